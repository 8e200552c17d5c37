#include "app/Form25.h"

#include "platform/CaptionBar.h"

Form25::Form25(QWidget* parent) : Window("Form25", "制作相册", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
