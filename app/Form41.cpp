#include "app/Form41.h"

#include "platform/CaptionBar.h"

Form41::Form41(QWidget* parent) : Window("Form41", "模板选项：自动为添加的照片分配模板方式", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
    bindField("Edit_mobanfashi", &Edit_mobanfashi);
}
