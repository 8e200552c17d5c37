#include "app/MainForm.h"

#include "platform/CaptionBar.h"

MainForm::MainForm(QWidget* parent) : Window("MainForm", "Lumora", parent) {
    resize(800, 600);
    AddBackgroundPicture(this);
}
