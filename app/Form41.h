#pragma once
// Form41: how added photos are given templates (caption "模板选项：自动为添加的照片分配模板方式").
//
// The mode word Edit_mobanfashi tells the add and matching jobs how templates are picked:
// "shiyong_suijimoban" (random templates, one by one) or "shiyong_zuhemoban" (a stored
// combination). The add-photos command sets it; the combination list and its choice come
// with the combination templates.

#include "platform/Window.h"

class Form41 : public Window {
    Q_OBJECT
public:
    explicit Form41(QWidget* parent = nullptr);

    QString Edit_mobanfashi;  // template mode word: shiyong_suijimoban / shiyong_zuhemoban
};
