#pragma once
// Form24: album type, output size and name (caption "选择相册类型").
//
// A make command fills the window for an album type (fillFor) and shows it modally. The
// window keeps, per album type, the two hidden lists of its size rows (ComboBox_vcd_1 with
// the widths, ComboBox_vcd_2 with the heights, ... for all seven types; see
// production/AlbumFormat.h) and shows the rows of the current type in the size list.
//
// Fields the making reads: Edit_chicun_width, Edit_chicun_height (the chosen size, taken
// from the type's lists by the chosen row, not parsed from the text), Edit_xiangce_mingcheng
// (the album name, the output file's name), Edit_quxiao ("zhizuo_kaishi" to make,
// "zhizuo_quxiao" when cancelled, empty while open).
//
// Its commands:
//   ComboBox_xuanze_shuchu_chicunChange  the chosen row into the four fields
//   默认                                  Button5Click: row 4
//   开始制作 (Enter), hidden twin          Button2Click, Button3Click: with a name, make; an
//                                         empty name is refused with a message and the
//                                         window stays open
//   取消, hidden 关闭, close label         Button4Click, Button1Click: cancel
// Closing the window any other way (Escape, a time limit) cancels too.

#include "platform/Window.h"

class QComboBox;
class QLineEdit;

class Form24 : public Window {
    Q_OBJECT
public:
    explicit Form24(QWidget* parent = nullptr);

    // Fills the window for album type `type`: result word emptied, the type's size rows
    // listed with row 4 chosen, the name emptied.
    void fillFor(const QString& type);

    QComboBox* ComboBox_xuanze_shuchu_chicun;  // the size rows of the current type

public slots:
    void FormShow();
    void ComboBox_xuanze_shuchu_chicunChange();
    void Button5Click();  // 默认
    void Button2Click();  // 开始制作
    void Button3Click();  // hidden twin of 开始制作
    void Button4Click();  // 取消
    void Button1Click();  // hidden 关闭

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void showFields();
    void startMaking();
    void cancel();

    QLineEdit* shownSize_;     // shows Edit_shuchu_chicun
    QLineEdit* shownType_;     // shows Edit_shuchu_leixing
    QLineEdit* nameEdit_;      // edits Edit_xiangce_mingcheng

    QString Edit_shuchu_chicun;      // text of the chosen size row, "1280 × 720"
    QString Edit_shuchu_leixing;     // the album type word
    QString Edit_xiangce_mingcheng;  // the album name
    QString Edit_chicun_width;       // the chosen width, decimal
    QString Edit_chicun_height;      // the chosen height, decimal
    QString Edit_quxiao;             // result word: zhizuo_kaishi / zhizuo_quxiao / empty
};
