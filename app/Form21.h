#pragma once
// Form21: the background pictures of the used templates (caption "背景图片").
//
// The window owns the background table ListView_moban_beijing (one row per used template,
// see photos/Backgrounds.h), which matching fills. Its commands:
//
//   a click on the table   ListView_moban_beijingClick: preview the first selected row's
//                          picture, fitted into 201 x 151 with a white border, and its details
//                          (编号, 图片名称, 图片类型, 宽度, 高度, 图片位置) read-only under it
//   更换背景图片           Button1Click: replace that row's picture by a horizontal JPG file
//   返  回, close label    Button2Click: close
//
// A picture the renderer cannot draw shows the file's icon in the preview; a file that is
// not a readable JPG is refused with the decoder's message and the row stays.

#include "platform/Window.h"

class DetailPanel;
class QLabel;
class QTableView;
class TextTable;

class Form21 : public Window {
    Q_OBJECT
public:
    explicit Form21(QWidget* parent = nullptr);

    // The first selected row, or -1.
    int selectedRow() const;
    // Selects row `row` (-1: none), as a click would, without showing it.
    void selectRow(int row);

    // Empties the preview, its hint and the six detail fields.
    void clearPreview();
    // The preview picture as it is shown now.
    QLabel* preview() const { return Image_xianshizhaopian; }

    TextTable* ListView_moban_beijing;  // the background table

public slots:
    void ListView_moban_beijingClick();  // show the selected row
    void Button1Click();                 // 更换背景图片
    void Button2Click();                 // 返  回

private:
    QTableView* view_;              // shows ListView_moban_beijing
    QLabel* Image_xianshizhaopian;  // the preview, 201 x 151 (its tool tip is the hint)
    DetailPanel* details_;          // the six detail fields, shown

    QString Edit_xuhao;      // shown row: 编号
    QString Edit_mingcheng;  // shown row: picture name
    QString Edit_geshi;      // shown row: picture format
    QString Edit_kuandu;     // shown row: width
    QString Edit_gaodu;      // shown row: height
    QString Edit_weizhi;     // shown row: path
};
