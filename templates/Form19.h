#pragma once
// Form19: template preview (caption "预览模板").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form19 : public Window {
    Q_OBJECT
public:
    explicit Form19(QWidget* parent = nullptr);
};
