#pragma once
// Form18: system settings; it keeps its own background picture (caption "系统设置").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form18 : public Window {
    Q_OBJECT
public:
    explicit Form18(QWidget* parent = nullptr);
};
