#pragma once
// Form4: add music: the music list and its playback (caption "添加音乐").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form4 : public Window {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);
};
