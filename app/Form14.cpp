#include "app/Form14.h"

#include <QLabel>
#include <QPushButton>

#include "app/DialogParts.h"
#include "platform/CaptionBar.h"

Form14::Form14(QWidget* parent) : Window("Form14", "提示", parent) {
    resize(584, 171);
    caption_ = SkinSmallWindow(this, false);
    connect(caption_, &CaptionBar::closeReleased, this, &Form14::Button1Click);
    Label_xianshi_xiaoxi = MessageLabel(this);
    Button2 = DialogButton("Button2", "确定", this);
    Button2->move(width() / 2 - Button2->width() / 2, 110);
    Button1 = HiddenButton("Button1", "确定", HiddenButtonBox(this));
    connect(Button2, &QPushButton::clicked, this, &Form14::Button1Click);
    connect(Button1, &QPushButton::clicked, this, &Form14::Button1Click);
}

void Form14::setMessage(const QString& text) { Label_xianshi_xiaoxi->setText(text); }
QString Form14::message() const { return Label_xianshi_xiaoxi->text(); }

void Form14::Button1Click() { accept(); }
