#include "templates/Form20.h"

#include "platform/CaptionBar.h"

Form20::Form20(QWidget* parent) : Window("Form20", "预览此张照片所使用的模板效果", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
