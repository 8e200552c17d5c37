#include "app/Form15.h"

#include "platform/CaptionBar.h"

Form15::Form15(QWidget* parent) : Window("Form15", "音乐歌词预览", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
