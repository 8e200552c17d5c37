#pragma once
// Form9: photo crop and zoom (caption "照片剪裁").
//
// Every photo placed in a slot is one row of the photo list ListView_zhaopian_wenjian,
// which the main window's crop command (Form2::Button10Click) rebuilds before it shows the
// window (序号, 照片名称, 使用次数, 照片位置, 标注 = the slot row, 行号 = the photo row;
// AppState.h). The chosen row's photo is shown inside its slot: the slot view
// ScrollBox_jiequtupian (the slot frame at screen scale, cross-hatched where the photo does
// not cover it) centred in the 800 x 450 outer area ScrollBox_jiancai_0, the photo Image_load
// in it. The arithmetic is photos/CropView.h; this window only calls it.
//
// Commands:
//
//   a click on the list         ListView_zhaopian_wenjianClick: show the chosen row's photo
//                               from its stored rectangle, with its details (序号, 照片名称,
//                               使用次数, 照片位置) read-only under the list; a click beside
//                               the rows says "没有选中照片文件！" and empties the photo
//   照片全屏显示 / 照片适中显示    RadioButton_quanpingClick / RadioButton_shizhongClick: the
//                               mode of a "横照模板" slot (the only kind that shows them)
//   放大相片                      Button_fangdaClick: zoom in by a tenth of the view width
//   缩小相片                      Button_suoxiaoClick: zoom out; refused (and the stored
//                               rectangle shown again) once the photo would not cover the view
//   默认大小                      Button_morenClick: the stored rectangle again
//   保存剪裁                      Button_baocunClick: the photo as it lies now into the slot's
//                               rectangles, "保存剪裁完成！"
//   取消, close label             Button_quxiaoClick: close; saved rectangles stay
//   dragging the photo           with the left button, while the photo is enabled: it
//                               follows the mouse and is pulled back to cover the view
//                               when the button is released
//
// Zoom in, zoom out, default size and save first refuse, in this order: no photos at all
// ("没有添加照片文件！"), no placed photo ("添加的照片文件没有与模板文件匹配！"), no row
// chosen ("没有选中照片文件！"). While one of them runs, the buttons that could start another
// are disabled. A photo the renderer cannot draw shows its file's icon; every render ends
// within the renderer's time limit.

#include <QPoint>
#include <QRect>

#include "photos/CropView.h"
#include "platform/Window.h"

class DetailPanel;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class TextTable;

class Form9 : public Window {
    Q_OBJECT
public:
    explicit Form9(QWidget* parent = nullptr);

    TextTable* ListView_zhaopian_wenjian;  // the photo list

    // Selects list row `row` (-1: none), as a click would, without showing it.
    void selectRow(int row);
    // The slot view and the photo in it, in the view's coordinates.
    QRect slotView() const;
    QRect photoPlace() const;
    QLabel* photo() const { return Image_load; }
    // The mode the radio buttons stand in.
    CropMode mode() const;

public slots:
    void ListView_zhaopian_wenjianClick();
    void RadioButton_quanpingClick();
    void RadioButton_shizhongClick();
    void Button_fangdaClick();   // 放大相片
    void Button_suoxiaoClick();  // 缩小相片
    void Button_morenClick();    // 默认大小
    void Button_baocunClick();   // 保存剪裁
    void Button_quxiaoClick();   // 取消

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The opening state: nothing chosen, full mode, radio buttons hidden.
    void prepareOpening();
    // The refusal of zoom, default size and save, or empty when they may run.
    QString refusal() const;
    // The slot row of the chosen list row, or -1.
    int chosenSlot() const;
    CropSlot chosenCropSlot() const;
    void fillDetails(int listRow);
    void clearPhoto();
    // Sizes the slot view to `view` and centres it in the outer area.
    void placeView(QSize view);
    // Renders the photo at the size of `photo` and places it; stores the size.
    void showPhoto(const QRect& photo);
    // Selection step 4: the photo from the stored rectangle of `mode`.
    void showStored(const CropSlot& slot, CropMode mode);
    // The selection (and 默认大小): view, mode, radio buttons, enabled state, photo.
    void showChosen();
    void changeMode(CropMode mode);
    void setMode(CropMode mode);
    void setEditable(bool editable);
    void applyEditable();
    void zoom(bool in);

    void photoPressed(QPoint inPhoto);
    void photoMoved(QPoint inWindow);
    void photoReleased();

    QTableView* view_;                     // shows ListView_zhaopian_wenjian
    DetailPanel* details_;                 // 序号, 照片名称, 使用次数, 照片位置
    QWidget* ScrollBox_jiancai_0;          // the outer area, 800 x 450
    QWidget* ScrollBox_jiequtupian;        // the slot view; cuts the photo at its edges
    QWidget* Shape_jiancai;                // the cross-hatching behind the photo
    QLabel* Image_load;                    // the photo at its screen size
    QRadioButton* RadioButton_quanping;    // 照片全屏显示: full mode
    QRadioButton* RadioButton_shizhong;    // 照片适中显示: fit mode
    QPushButton* Button_fangda;
    QPushButton* Button_suoxiao;
    QPushButton* Button_moren;
    QPushButton* Button_baocun;
    QPushButton* Button_quxiao;

    QString Edit_xuanzhonghang;        // chosen list row, or "wu"
    QString Edit_danxuananziu_kaiguan; // "bushiyong" while the window sets the radio buttons itself
    QString Edit_Width_01;             // the photo's screen width
    QString Edit_Height_01;            // the photo's screen height
    QString Edit_tuodong_kaiguan;      // "anxia" while the photo is dragged, else "songkai"
    QString Edit_tuodong_down_x;       // where the photo was grabbed: x in the photo
    QString Edit_tuodong_down_y;       // and y
    QString Edit_xuhao;                // details of the chosen row: 序号
    QString Edit_mingcheng;            // 照片名称
    QString Edit_cishu;                // 使用次数
    QString Edit_weizhi;               // 照片位置
};
