#include "app/Form5.h"

#include "platform/CaptionBar.h"

Form5::Form5(QWidget* parent) : Window("Form5", "添加歌词", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
