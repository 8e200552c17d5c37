#pragma once
// Form21: background pictures of the used templates (caption "背景图片").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form21 : public Window {
    Q_OBJECT
public:
    explicit Form21(QWidget* parent = nullptr);
};
