#pragma once
// Form13: progress window of the timer jobs; its caption is set per job (caption (set per job)).
// The window exists from the start with its skinned caption bar; its controls and work
// come with the part of the program it belongs to.

#include "platform/Window.h"

class Form13 : public Window {
    Q_OBJECT
public:
    explicit Form13(QWidget* parent = nullptr);
};
