#include "app/Form17.h"

#include <QLabel>
#include <QPushButton>

#include "app/DialogParts.h"
#include "platform/CaptionBar.h"

Form17::Form17(QWidget* parent) : Window("Form17", QString(), parent) {
    resize(806, 233);
    bindField("Edit_caozuo", &Edit_caozuo);
    caption_ = SkinSmallWindow(this, false);
    connect(caption_, &CaptionBar::closeReleased, this, &Form17::Button2Click);
    Label_xianshi_xiaoxi = MessageLabel(this);
    Label_xianshi_xiaoxi->move(20, 70);
    Button3 = DialogButton("Button3", "确定", this);
    Button4 = DialogButton("Button4", "取消", this);
    Button3->move(width() / 2 - Button3->width() - 20, 160);
    Button4->move(width() / 2 + 20, 160);
    QWidget* hidden = HiddenButtonBox(this);
    Button1 = HiddenButton("Button1", "确定", hidden);
    Button2 = HiddenButton("Button2", "取消", hidden);
    connect(Button3, &QPushButton::clicked, this, &Form17::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &Form17::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &Form17::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Form17::Button2Click);
}

void Form17::setMessage(const QString& text) { Label_xianshi_xiaoxi->setText(text); }
QString Form17::message() const { return Label_xianshi_xiaoxi->text(); }

void Form17::Button1Click() {
    Edit_caozuo = "yes";
    accept();
}

void Form17::Button2Click() { reject(); }
