#include "templates/Form19.h"

#include "platform/CaptionBar.h"

Form19::Form19(QWidget* parent) : Window("Form19", "预览模板", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
