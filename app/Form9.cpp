#include "app/Form9.h"

#include "platform/CaptionBar.h"

Form9::Form9(QWidget* parent) : Window("Form9", "照片剪裁", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
