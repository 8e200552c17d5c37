#include "app/Form18.h"

#include "platform/CaptionBar.h"

Form18::Form18(QWidget* parent) : Window("Form18", "系统设置", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
