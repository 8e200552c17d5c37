#pragma once
// Form6: picture quality of the album (caption "画面质量").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form6 : public Window {
    Q_OBJECT
public:
    explicit Form6(QWidget* parent = nullptr);
};
