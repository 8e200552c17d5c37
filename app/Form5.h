#pragma once
// Form5: add lyrics: the lyric list and its display settings (caption "添加歌词").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form5 : public Window {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);
};
