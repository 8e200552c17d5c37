#pragma once
// Form25: album making (caption "制作相册").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form25 : public Window {
    Q_OBJECT
public:
    explicit Form25(QWidget* parent = nullptr);
};
