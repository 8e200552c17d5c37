#include "app/Form6.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/DialogParts.h"
#include "platform/CaptionBar.h"

namespace {
QRadioButton* Radio(const QString& name, const QString& text, int y, QWidget* group) {
    auto* radio = new QRadioButton(text, group);
    radio->setObjectName(name);
    radio->setGeometry(20, y, 200, 26);
    return radio;
}

QGroupBox* Group(const QString& title, int x, QWidget* window) {
    auto* group = new QGroupBox(title, window);
    group->setGeometry(x, 50, 180, 110);
    return group;
}
}  // namespace

Form6::Form6(QWidget* parent) : Window("Form6", "画面质量", parent) {
    resize(420, 230);
    connect(SkinSmallWindow(this, false), &CaptionBar::closeReleased, this, &Form6::Button1Click);
    bindField("Edit_huamianzhiliang_xuanzhong", &Edit_huamianzhiliang_xuanzhong);

    QGroupBox* system = Group("制式", 20, this);
    RadioButton_dianshizhishi_PAL = Radio("RadioButton_dianshizhishi_PAL", "PAL 电视制式", 30, system);
    RadioButton_dianshizhishi_NTSC = Radio("RadioButton_dianshizhishi_NTSC", "NTSC 电视制式", 65, system);
    RadioButton_dianshizhishi_PAL->setChecked(true);
    QGroupBox* quality = Group("画质", 220, this);
    RadioButton_yiban_huazhi = Radio("RadioButton_yiban_huazhi", "标清画质效果", 30, quality);
    RadioButton_gaoqing_huazhi = Radio("RadioButton_gaoqing_huazhi", "高清画质效果", 65, quality);
    RadioButton_gaoqing_huazhi->setChecked(true);
    for (QRadioButton* radio : {RadioButton_yiban_huazhi, RadioButton_gaoqing_huazhi})
        connect(radio, &QRadioButton::clicked, this, &Form6::noteQuality);
    noteQuality();

    QWidget* hidden = HiddenButtonBox(this);
    connect(HiddenButton("Button1", "关闭软件", hidden), &QPushButton::clicked, this, &Form6::Button1Click);
}

TvSystem Form6::tvSystem() const {
    return RadioButton_dianshizhishi_NTSC->isChecked() ? TvSystem::Ntsc : TvSystem::Pal;
}

bool Form6::highQuality() const { return RadioButton_gaoqing_huazhi->isChecked(); }

void Form6::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    FormShow();
}

void Form6::FormShow() { noteQuality(); }

void Form6::noteQuality() {
    Edit_huamianzhiliang_xuanzhong = highQuality() ? kHighQualityWord : kStandardQualityWord;
}

void Form6::Button1Click() { accept(); }
