#pragma once
// STAND-IN: the few pieces of the template library that the photo rules read.
//
// The template library (templates/) owns the bar-list rule and the column numbers of the
// parameter table, the class tables and the template list. Until those land there, the
// photo rules take them from this one private header; nothing outside photos/ includes it.
// When templates/ offers them, replace the bodies below by calls to it (or delete this file
// and include the templates/ headers in its place) -- every use in photos/ goes through the
// names here.

#include <QString>
#include <QStringList>

#include "platform/TextTable.h"

namespace photos::library {

// Splits a bar list "|a|b|c|" into its items a, b, c: every item is the text between two
// neighbouring "|". A text with fewer than two bars has no items; text before the first
// bar or after the last is not an item.
inline QStringList SplitBarList(const QString& text) {
    QStringList items;
    int previous = text.indexOf(u'|');
    while (previous >= 0) {
        const int next = text.indexOf(u'|', previous + 1);
        if (next < 0) break;
        items.append(text.mid(previous + 1, next - previous - 1));
        previous = next;
    }
    return items;
}

// A picture name names a photo slot when it contains exactly one "_".
inline bool IsPhotoSlotName(const QString& pictureName) {
    return pictureName.count(u'_') == 1;
}

// Template parameter table ListView_mobancanshu (one row per template, in scan order).
namespace parameter {
enum Column : int {
    kSlotWidths = 3,     // 相片宽度: bar list xpkd
    kSlotHeights = 4,    // 相片高度: bar list xpgd
    kOrientations = 5,   // 竖照横照: bar list szhz (heng / shu / shuheng)
    kPictureNames = 6,   // 相片JPG名称: bar list xpjpgmc
    kTemplateIndex = 9,  // 序号: the template index
};
}  // namespace parameter

// Class tables ListView_hengzhaopian / ListView_shuzhaopian / ListView_gaojimoban: the
// 14 columns of a TemplateClassRecord.
namespace klass {
constexpr int kColumnCount = 14;
enum Column : int {
    kTemplateIndex = 9,     // 序号
    kHorizontalCount = 10,  // 横照几张
    kVerticalCount = 11,    // 竖照几张
};
inline QStringList Captions() {
    return {"模板类型", "模板分类", "相片数量", "相片宽度", "相片高度", "竖照横照", "相片JPG名称",
            "位置", "分类标注", "序号", "横照几张", "竖照几张", "模板swf总帧数", "模板名称"};
}
}  // namespace klass

// Template list Form8.ListView_moban: 序号, 模板, 类型, 横照片, 竖照片, 时长, 分类.
namespace list {
constexpr int kColumnCount = 7;
enum Column : int {
    kTemplateIndex = 0,  // 序号
    kName = 1,           // 模板
    kType = 2,           // 类型: 高级模板 / 单张模板
    kHorizontal = 3,     // 横照片
    kVertical = 4,       // 竖照片
    kDuration = 5,       // 时长
    kCategory = 6,       // 分类: 综合模板 / 横照模板 / 竖照模板
};
inline const QString kAdvancedCategory = QStringLiteral("综合模板");
inline const QString kHorizontalCategory = QStringLiteral("横照模板");
inline const QString kVerticalCategory = QStringLiteral("竖照模板");
}  // namespace list

}  // namespace photos::library
