#pragma once
// Form12: preview configuration builder (caption "配置文件").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form12 : public Window {
    Q_OBJECT
public:
    explicit Form12(QWidget* parent = nullptr);
};
