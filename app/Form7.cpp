#include "app/Form7.h"

#include <QPushButton>
#include <QRadioButton>

#include "app/DialogParts.h"
#include "platform/CaptionBar.h"

Form7::Form7(QWidget* parent) : Window("Form7", "同步效果", parent) {
    resize(420, 200);
    connect(SkinSmallWindow(this, false), &CaptionBar::closeReleased, this, &Form7::Button1Click);
    RadioButton_moban_tongbu = new QRadioButton("随模板文件同步  (音乐循环)", this);
    RadioButton_moban_tongbu->setObjectName("RadioButton_moban_tongbu");
    RadioButton_moban_tongbu->setGeometry(60, 70, 300, 28);
    RadioButton_moban_tongbu->setChecked(true);
    RadioButton_yinyue_tongbu = new QRadioButton("随音乐文件同步  (模板循环)", this);
    RadioButton_yinyue_tongbu->setObjectName("RadioButton_yinyue_tongbu");
    RadioButton_yinyue_tongbu->setGeometry(60, 115, 300, 28);

    QWidget* hidden = HiddenButtonBox(this);
    connect(HiddenButton("Button1", "关闭软件", hidden), &QPushButton::clicked, this, &Form7::Button1Click);
}

SyncMode Form7::mode() const {
    return RadioButton_yinyue_tongbu->isChecked() ? SyncMode::Music : SyncMode::Templates;
}

void Form7::Button1Click() { accept(); }
