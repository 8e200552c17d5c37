#include "app/Form4.h"

#include "platform/CaptionBar.h"

Form4::Form4(QWidget* parent) : Window("Form4", "添加音乐", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
