#include "app/Form3.h"

#include "platform/CaptionBar.h"

Form3::Form3(QWidget* parent) : Window("Form3", "添加照片", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
