#pragma once
// Form7: synchronisation mode of pictures and music (caption "同步效果").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form7 : public Window {
    Q_OBJECT
public:
    explicit Form7(QWidget* parent = nullptr);
};
