#include "app/Form18.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DialogParts.h"
#include "platform/CaptionBar.h"

namespace {

// A group box of radio buttons at `top`; the buttons are exclusive within it.
QGroupBox* Group(QWidget* window, const QString& name, const QString& caption, int top) {
    auto* group = new QGroupBox(caption, window);
    group->setObjectName(name);
    group->setGeometry(20, top, window->width() - 40, 70);
    new QVBoxLayout(group);
    return group;
}

QRadioButton* Radio(QGroupBox* group, const QString& name, const QString& caption, bool checked) {
    auto* button = new QRadioButton(caption, group);
    button->setObjectName(name);
    button->setChecked(checked);
    group->layout()->addWidget(button);
    return button;
}

}  // namespace

Form18::Form18(QWidget* parent) : Window("Form18", "系统设置", parent) {
    resize(560, 520);
    SkinSmallWindow(this);

    QGroupBox* horizontalCrop = Group(this, "GroupBox1", "导入照片时，对横照片的剪裁效果   (支持单张照片模板效果)", 50);
    RadioButton_hengzhaopian_moren = Radio(horizontalCrop, "RadioButton_hengzhaopian_moren", "横照片剪裁成适中效果", false);
    RadioButton_hengzhaopian_quanping = Radio(horizontalCrop, "RadioButton_hengzhaopian_quanping", "横照片剪裁成全屏效果", true);

    QGroupBox* verticalCrop = Group(this, "GroupBox2", "导入照片时，对竖照片的剪裁效果   (支持单张照片模板效果)", 130);
    RadioButton_shuzhaopian_moren = Radio(verticalCrop, "RadioButton_shuzhaopian_moren", "竖照片剪裁成适中效果", true);

    QGroupBox* horizontalShow = Group(this, "GroupBox3", "主界面横照片显示效果", 210);
    RadioButton_zhujiemian_heng_shizhong = Radio(horizontalShow, "RadioButton_zhujiemian_heng_shizhong", "横照片适中显示效果", false);
    RadioButton_zhujiemian_heng_quanpin = Radio(horizontalShow, "RadioButton_zhujiemian_heng_quanpin", "横照片全屏显示效果", true);

    QGroupBox* verticalShow = Group(this, "GroupBox4", "主界面竖照片显示效果", 290);
    RadioButton_zhujiemian_shu_shizhong = Radio(verticalShow, "RadioButton_zhujiemian_shu_shizhong", "竖照片适中显示效果", true);

    QGroupBox* combinations = Group(this, "GroupBox5", "导入照片时，使用模板组合效果", 370);
    RadioButton_moban_zuhe_shiyong = Radio(combinations, "RadioButton_moban_zuhe_shiyong", "使用模板组合效果", false);
    RadioButton_moban_zuhe_bushiyong = Radio(combinations, "RadioButton_moban_zuhe_bushiyong", "不使用模板组合效果", true);

    QPushButton* back = HiddenButton("Button1", "返    回", HiddenButtonBox(this));
    connect(back, &QPushButton::clicked, this, &Form18::Button1Click);
}

PhotoSettings Form18::photoSettings() const {
    PhotoSettings settings;
    settings.verticalPhotoFit = RadioButton_shuzhaopian_moren->isChecked();
    return settings;
}

bool Form18::combinationsOn() const { return RadioButton_moban_zuhe_shiyong->isChecked(); }

void Form18::Button1Click() { reject(); }
