#pragma once
// The used-template table and the slot table of the album.
//
// Form8.ListView_moban_shiyong ("已经使用的模板") holds one UsedTemplateRecord per template
// put into the album, in album order; Form8.ListView_moban_shiyong_canshu holds one
// SlotRecord per photo place of each used template, a template's slots appended together
// (horizontal slots first). A slot names its template by the 0-based row of the used
// template (col 7) and its photo by the photo's 0-based row in the photo table (col 12).

#include <QString>
#include <QStringList>

#include "platform/TextTable.h"

// Column numbers of a UsedTemplateRecord.
namespace UsedTemplateColumn {
enum : int {
    kTemplateIndex = 0,  // 序号: template index
    kName = 1,           // 模板
    kType = 2,           // 类型: 高级模板 / 单张模板
    kHorizontal = 3,     // 横照片: number of horizontal slots
    kVertical = 4,       // 竖照片: number of vertical slots
    kDuration = 5,       // 时长
    kCategory = 6,       // 分类: 综合模板 / 横照模板 / 竖照模板
    kMatched = 7,        // 照片匹配: 已完成 / 未完成
    kNumber = 8,         // 编号: 1-based position when it was added
};
constexpr int kCopiedFromList = 7;  // cols 0-6 are copied from the template list row
}

// Column numbers of a SlotRecord.
namespace SlotColumn {
enum : int {
    kTemplateIndex = 0,   // 序号
    kTemplateName = 1,    // 模板名称
    kTemplateType = 2,    // 模板类型
    kHorizontal = 3,      // 横照片
    kVertical = 4,        // 竖照片
    kDuration = 5,        // 模板时长
    kCategory = 6,        // 模板分类
    kUsedRow = 7,         // 行号: row of the used template
    kKind = 8,            // 横照或竖照: heng_zhaopian / shu_zhaopian
    kPicture = 9,         // picture: the movie's picture name for this slot
    kSlotNumber = 10,     // 对应控件: slot number within its template
    kMatchState = 11,     // 匹配状态: empty or yi_pipei
    kPhotoRow = 12,       // 照片位置行号: the photo's row, or empty
    kPhotoPath = 13,      // 照片位置: the photo's path, or empty
    kWidth = 14,          // mobanchicun_width: slot width in template pixels
    kHeight = 15,         // mobanchicun_height: slot height
    kFullLeft = 16,       // jiancai_left_x
    kFullTop = 17,        // jiancai_top_y
    kFullWidth = 18,      // jiancai_width
    kFullHeight = 19,     // jiancai_height
    kCropMark = 20,       // 剪裁标记: quanping_or_jubuquanping / shizhong
    kFitLeft = 21,        // shizhong_jiancai_left_x
    kFitTop = 22,         // shizhong_jiancai_top_x
    kFitWidth = 23,       // shizhong_jiancai_width
    kFitHeight = 24,      // shizhong_jiancai_height
    kUseMark = 25,        // jiancha_zhaopian_shiyong_shuliang_biaoshi
};
constexpr int kColumnCount = 26;
}

// State words of the two tables.
inline const QString kTemplateComplete = QStringLiteral("已完成");
inline const QString kTemplateIncomplete = QStringLiteral("未完成");
inline const QString kHorizontalSlot = QStringLiteral("heng_zhaopian");
inline const QString kVerticalSlot = QStringLiteral("shu_zhaopian");
inline const QString kSlotMatched = QStringLiteral("yi_pipei");
inline const QString kCropFull = QStringLiteral("quanping_or_jubuquanping");
inline const QString kCropFit = QStringLiteral("shizhong");

QStringList UsedTemplateTableCaptions();
QStringList SlotTableCaptions();

// Accessors of a used-template row.
int UsedTemplateIndex(const TextTable& usedTemplates, int row);
QString UsedTemplateCategory(const TextTable& usedTemplates, int row);
int UsedTemplateHorizontalCount(const TextTable& usedTemplates, int row);
int UsedTemplateVerticalCount(const TextTable& usedTemplates, int row);

// Accessors of a slot row.
int SlotUsedRow(const TextTable& slotTable, int row);
bool SlotIsVertical(const TextTable& slotTable, int row);
QString SlotPicture(const TextTable& slotTable, int row);
int SlotWidth(const TextTable& slotTable, int row);
int SlotHeight(const TextTable& slotTable, int row);
// The photo row the slot holds, or -1 when col 12 is empty (or does not parse).
int SlotPhotoRow(const TextTable& slotTable, int row);

// The number of slots whose photo is photo row `photoRow`; 0 for a negative row.
int CountSlotsHoldingPhoto(const TextTable& slotTable, int photoRow);

// Empties a slot's photo: 匹配状态, 照片位置行号, 照片位置 and every crop column after
// mobanchicun_height. Its picture name and size stay.
void EmptySlotPhoto(TextTable& slotTable, int row);
