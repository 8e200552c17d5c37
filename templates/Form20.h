#pragma once
// Form20: the templates a photo is in (caption "预览此张照片所使用的模板效果").
//
// The window lists every slot that holds the current photo (the main window's
// Edit_hangshu) in ListView_zhaopian_yu_pipei_moban (序号, 照片名称, 使用模板, 照片位置, 标注:
// running number, the photo's name, the slot's template, the photo's path, the slot's row
// in the slot table) under the label "此张照片用在 N 个模板文件中,...". Choosing a row and
// 确定 previews that template with the album's photos (Form19 in photo mode); a template
// with an empty slot is not previewed: the question "此模板中的照片文件没有补全,..." offers to
// open the template manager instead.
//
// Its one entry from the main window is showForPhoto (a double-click on a photo cell).
//
// Its commands:
//   FormShow                      the label and the list of the current photo
//   确定   Button2Click, Button4Click  preview the chosen row's template
//   取消   Button3Click, Button1Click, the close label: close
//   Timer_dakai_chuangkouTimer    one shot: row 0 previewed at once, then Timer1
//   Timer1Timer                   one shot: closes the window

#include "platform/Window.h"

class QLabel;
class QTableView;
class TextTable;
class Timer;

class Form20 : public Window {
    Q_OBJECT
public:
    explicit Form20(QWidget* parent = nullptr);

    // The templates of photo row `photoRow`: Edit_hangshu is set to it; a photo in no
    // template shows nothing; a photo in exactly one template whose slots all hold photos
    // opens its preview at once (Timer_dakai_chuangkou); otherwise the list is shown.
    void showForPhoto(int photoRow);

    // The selected list row (0-based), or -1; selecting -1 clears the selection.
    int selectedRow() const;
    void selectRow(int row);
    // The slot-table row named in the selected list row, or -1.
    int chosenSlotRow() const;

    TextTable* ListView_zhaopian_yu_pipei_moban;  // the photo's slots
    Timer* Timer_dakai_chuangkou;                 // opens the preview at once
    Timer* Timer1;                                // closes the window

public slots:
    void FormShow();
    void Button2Click();  // 确定
    void Button4Click();  // 确定 (hidden twin)
    void Button3Click();  // 取消
    void Button1Click();  // 取消 (hidden twin)
    void Timer_dakai_chuangkouTimer();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void openPreview();
    int currentPhotoRow() const;

    QLabel* Label_zhaopian_shiyong_shuliang;  // "此张照片用在 N 个模板文件中,..."
    QTableView* view_;                        // shows the list
};
