#pragma once
// MainForm: the off-screen photo renderer (caption "Lumora", the application title).
// It is never shown to the person; its rendering work comes with the photo collection.

#include "platform/Window.h"

class MainForm : public Window {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);
};
