#pragma once
// Form20: templates of one photo (caption "预览此张照片所使用的模板效果").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form20 : public Window {
    Q_OBJECT
public:
    explicit Form20(QWidget* parent = nullptr);
};
