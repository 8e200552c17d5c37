#include "app/Form23.h"

#include "platform/CaptionBar.h"

Form23::Form23(QWidget* parent) : Window("Form23", "歌词设置", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
