#pragma once
// Form3: add photos: the photo table and the add, show and delete commands (caption "添加照片").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form3 : public Window {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);
};
