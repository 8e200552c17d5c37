#pragma once
// MainWindow: the program's main window while the start-up chain is being built; shows the
// title and the photo area on the shared background.

#include "platform/Window.h"

class MainWindow : public Window {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};
