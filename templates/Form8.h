#pragma once
// Form8: the template manager (caption "模板管理"). At start the main window fills its
// template list ListView_moban with every usable template; the rest of the window and its
// work come with the template manager itself.

#include "platform/Window.h"

class TextTable;

class Form8 : public Window {
    Q_OBJECT
public:
    explicit Form8(QWidget* parent = nullptr);

    // Empties the detail fields of the template shown.
    void clearDetailFields();

    TextTable* ListView_moban;  // the template list: 序号, 模板, 类型, 横照片, 竖照片, 时长, 分类

private:
    QString Edit_xuhao;                // index of the template shown
    QString Edit_mobanmingcheng;       // its name
    QString Edit_liexing;              // its kind
    QString Edit_mobanshichang;        // its length
    QString Edit_hengzhaopian;         // horizontal photos it takes
    QString Edit_shuzhaopian;          // vertical photos it takes
    QString Edit_mobanhangshu;         // its row in the list
    QString Edit_tianjia_hengzhaopian; // horizontal photos to add
    QString Edit_tianjia_shuzhaopian;  // vertical photos to add
};
