#pragma once
// Form41: template assignment options (caption "模板选项：自动为添加的照片分配模板方式").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form41 : public Window {
    Q_OBJECT
public:
    explicit Form41(QWidget* parent = nullptr);
};
