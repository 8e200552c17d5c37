#include "templates/Form12.h"

#include "platform/CaptionBar.h"

Form12::Form12(QWidget* parent) : Window("Form12", "配置文件", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
