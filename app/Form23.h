#pragma once
// Form23: lyric settings (caption "歌词设置").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form23 : public Window {
    Q_OBJECT
public:
    explicit Form23(QWidget* parent = nullptr);
};
