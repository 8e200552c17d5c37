#pragma once
// Form9: photo crop and zoom (caption "照片剪裁").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form9 : public Window {
    Q_OBJECT
public:
    explicit Form9(QWidget* parent = nullptr);
};
