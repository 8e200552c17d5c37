#pragma once
// Form15: music and lyric preview (caption "音乐歌词预览").
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form15 : public Window {
    Q_OBJECT
public:
    explicit Form15(QWidget* parent = nullptr);
};
