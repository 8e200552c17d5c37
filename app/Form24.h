#pragma once
// Form24: album type, output size and name (caption "选择相册类型").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form24 : public Window {
    Q_OBJECT
public:
    explicit Form24(QWidget* parent = nullptr);
};
