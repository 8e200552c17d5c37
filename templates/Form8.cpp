#include "templates/Form8.h"

#include "platform/CaptionBar.h"
#include "platform/TextTable.h"
#include "templates/TemplateTables.h"

Form8::Form8(QWidget* parent) : Window("Form8", "模板管理", parent) {
    resize(800, 560);
    SkinSmallWindow(this);
    ListView_moban = addTable("ListView_moban", TemplateList::Captions());
    bindField("Edit_xuhao", &Edit_xuhao);
    bindField("Edit_mobanmingcheng", &Edit_mobanmingcheng);
    bindField("Edit_liexing", &Edit_liexing);
    bindField("Edit_mobanshichang", &Edit_mobanshichang);
    bindField("Edit_hengzhaopian", &Edit_hengzhaopian);
    bindField("Edit_shuzhaopian", &Edit_shuzhaopian);
    bindField("Edit_mobanhangshu", &Edit_mobanhangshu);
    bindField("Edit_tianjia_hengzhaopian", &Edit_tianjia_hengzhaopian);
    bindField("Edit_tianjia_shuzhaopian", &Edit_tianjia_shuzhaopian);
}

void Form8::clearDetailFields() {
    for (QString* field : {&Edit_xuhao, &Edit_mobanmingcheng, &Edit_liexing, &Edit_mobanshichang,
                           &Edit_hengzhaopian, &Edit_shuzhaopian, &Edit_mobanhangshu,
                           &Edit_tianjia_hengzhaopian, &Edit_tianjia_shuzhaopian})
        field->clear();
}
