#pragma once
// Form23: the display settings of one lyric file (caption "歌词设置").
//
// A sample line ("此处显示歌词内容") on a black screen of 679 x 390 pixels, the size the
// records are kept in, shows the record as every player would show a line. Controls:
//
//   TrackBar_geci_x, TrackBar_geci_y   the line's left and top; each slider's value is
//                                      exactly the pixel it puts the line at (0 at the
//                                      left and at the top), and each follows the line
//                                      when something else moves it
//   默认显示 / 自定义显示               position mode; 默认显示 locks every other control
//                                      and shows the record's own look again
//   自定义 / 居中显示                   in custom mode: left from the slider, or centred
//   ColorBox_geci_yase, ComboBox_geci_ziti, ComboBox_geci_daxiao (10 ... 60),
//   ComboBox_geci_zixing, ComboBox_jiantifanti      colour, face, size, style, form
//   保存设置  Button1Click   stores what is shown into the record and closes
//   取消      Button2Click   closes, the record unchanged
//
// Saving keeps the line where the window showed it: in default mode the line's top goes
// into the default top; in custom mode its left and top go into the custom left and top and
// the centring word follows 居中显示, while the default top stays for a later switch back.
// Moving the horizontal slider means a left of its own, so it selects 自定义.

#include <QStringList>

#include "platform/Window.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

class Form23 : public Window {
    Q_OBJECT
public:
    explicit Form23(QWidget* parent = nullptr);

    // Opens the window modally on settings record `row` of the lyric window; returns when
    // it is closed.
    void editRecord(int row);
    // The record the window shows and saves into (its row of the settings table when opened).
    int recordRow() const { return row_; }
    // The sample label and its screen.
    QLabel* sampleLabel() const { return Label_LRC; }
    QWidget* screen() const { return Panel_LRC; }

    QWidget* Panel_LRC;                     // the black sample screen, 679 x 390
    QLabel* Label_LRC;                      // the sample line
    QSlider* TrackBar_geci_x;               // left of the line
    QSlider* TrackBar_geci_y;               // top of the line
    QRadioButton* RadioButton_moren;        // 默认显示: default position
    QRadioButton* RadioButton_zidingyi;     // 自定义显示: custom position
    QRadioButton* RadioButton_zidingyi_left;  // 自定义: custom left
    QRadioButton* RadioButton_juzhong;      // 居中显示: centred
    QComboBox* ColorBox_geci_yase;          // colour list
    QComboBox* ComboBox_geci_ziti;          // font faces
    QComboBox* ComboBox_geci_daxiao;        // sizes
    QComboBox* ComboBox_geci_zixing;        // styles
    QComboBox* ComboBox_jiantifanti;        // simplified or traditional

public slots:
    void Button1Click();  // 保存设置
    void Button2Click();  // 取消
    void TrackBar_geci_xChange();
    void TrackBar_geci_yChange();
    void ColorBox_geci_yaseChange();
    void ComboBox_geci_zitiChange();
    void ComboBox_geci_daxiaoChange();
    void ComboBox_geci_zixingChange();
    void ComboBox_jiantifantiChange();
    void RadioButton_juzhongClick();
    void RadioButton_morenClick();
    void RadioButton_zidingyiClick();

private:
    void fillLists();
    void lockControls(bool locked);
    void showRecord();
    void selectRecordItems();
    void showLine();
    void placeLine(int left, int top);
    void centreLine();
    QString shownStyleWord() const;
    QString shownForm() const;

    int row_ = -1;
    QStringList record_;  // the record as the window was opened on it
    QString sampleText_;  // the sample line before conversion
    QPushButton* Button1;  // 保存设置
    QPushButton* Button2;  // 取消
    QList<QWidget*> lockable_;
};
