#include "app/Form24.h"

#include "platform/CaptionBar.h"

Form24::Form24(QWidget* parent) : Window("Form24", "选择相册类型", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
