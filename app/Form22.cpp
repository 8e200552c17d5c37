#include "app/Form22.h"

#include <QPushButton>

#include "app/DialogParts.h"
#include "platform/CaptionBar.h"

Form22::Form22(QWidget* parent) : Window("Form22", "插入视频", parent) {
    resize(668, 472);
    CaptionBar* caption = SkinSmallWindow(this, false);
    connect(caption, &CaptionBar::closeReleased, this, &Form22::Button1Click);
    Button1 = HiddenButton("Button1", "取消", HiddenButtonBox(this));
    connect(Button1, &QPushButton::clicked, this, &Form22::Button1Click);
}

void Form22::Button1Click() { reject(); }
