#include "photos/SlotTable.h"

QStringList UsedTemplateTableCaptions() {
    return {"序号", "模板", "类型", "横照片", "竖照片", "时长", "分类", "照片匹配", "编号"};
}

QStringList SlotTableCaptions() {
    return {"序号",
            "模板名称",
            "模板类型",
            "横照片",
            "竖照片",
            "模板时长",
            "模板分类",
            "行号",
            "横照或竖照",
            "picture",
            "对应控件",
            "匹配状态",
            "照片位置行号",
            "照片位置",
            "mobanchicun_width",
            "mobanchicun_height",
            "jiancai_left_x",
            "jiancai_top_y",
            "jiancai_width",
            "jiancai_height",
            "剪裁标记",
            "shizhong_jiancai_left_x",
            "shizhong_jiancai_top_x",
            "shizhong_jiancai_width",
            "shizhong_jiancai_height",
            "jiancha_zhaopian_shiyong_shuliang_biaoshi"};
}

int UsedTemplateIndex(const TextTable& usedTemplates, int row) {
    return usedTemplates.cell(row, UsedTemplateColumn::kTemplateIndex).toInt();
}

QString UsedTemplateCategory(const TextTable& usedTemplates, int row) {
    return usedTemplates.cell(row, UsedTemplateColumn::kCategory);
}

int UsedTemplateHorizontalCount(const TextTable& usedTemplates, int row) {
    return usedTemplates.cell(row, UsedTemplateColumn::kHorizontal).toInt();
}

int UsedTemplateVerticalCount(const TextTable& usedTemplates, int row) {
    return usedTemplates.cell(row, UsedTemplateColumn::kVertical).toInt();
}

int SlotUsedRow(const TextTable& slotTable, int row) {
    bool ok = false;
    const int used = slotTable.cell(row, SlotColumn::kUsedRow).toInt(&ok);
    return ok ? used : -1;
}

bool SlotIsVertical(const TextTable& slotTable, int row) {
    return slotTable.cell(row, SlotColumn::kKind) == kVerticalSlot;
}

QString SlotPicture(const TextTable& slotTable, int row) {
    return slotTable.cell(row, SlotColumn::kPicture);
}

int SlotWidth(const TextTable& slotTable, int row) {
    return slotTable.cell(row, SlotColumn::kWidth).toInt();
}

int SlotHeight(const TextTable& slotTable, int row) {
    return slotTable.cell(row, SlotColumn::kHeight).toInt();
}

int SlotPhotoRow(const TextTable& slotTable, int row) {
    bool ok = false;
    const int photo = slotTable.cell(row, SlotColumn::kPhotoRow).toInt(&ok);
    return ok ? photo : -1;
}

int CountSlotsHoldingPhoto(const TextTable& slotTable, int photoRow) {
    if (photoRow < 0) return 0;
    int count = 0;
    for (int row = 0; row < slotTable.rowCount(); ++row)
        if (SlotPhotoRow(slotTable, row) == photoRow) ++count;
    return count;
}

void EmptySlotPhoto(TextTable& slotTable, int row) {
    slotTable.setCell(row, SlotColumn::kMatchState, QString());
    slotTable.setCell(row, SlotColumn::kPhotoRow, QString());
    slotTable.setCell(row, SlotColumn::kPhotoPath, QString());
    for (int column = SlotColumn::kFullLeft; column < SlotColumn::kColumnCount; ++column)
        slotTable.setCell(row, column, QString());
}
