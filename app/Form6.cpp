#include "app/Form6.h"

#include "platform/CaptionBar.h"

Form6::Form6(QWidget* parent) : Window("Form6", "画面质量", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
