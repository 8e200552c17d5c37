#include "app/Form21.h"

#include "platform/CaptionBar.h"

Form21::Form21(QWidget* parent) : Window("Form21", "背景图片", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
