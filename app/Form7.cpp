#include "app/Form7.h"

#include "platform/CaptionBar.h"

Form7::Form7(QWidget* parent) : Window("Form7", "同步效果", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
