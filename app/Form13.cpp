#include "app/Form13.h"

#include "platform/CaptionBar.h"

Form13::Form13(QWidget* parent) : Window("Form13", QString(), parent) {
    resize(800, 560);
    SkinSmallWindow(this);
}
