#pragma once
// The template tables of the main window and the template manager: their column numbers,
// captions and named accessors. The column numbers live here and nowhere else.
//
// ListView_mobancanshu (模板参数表): one row per readable template, in scan order. Its 序号
//   column is the template index every other table refers to a template by; it equals the
//   row number, so a template's row is found as either.
// ListView_hengzhaopian, ListView_shuzhaopian, ListView_gaojimoban: the class tables, one
//   row per template of the class (a template taking either orientation is in both the
//   horizontal and the vertical table).
// Form8.ListView_moban: the template list of the template manager.

#include <QString>
#include <QStringList>

class TextTable;

namespace ParameterTable {
namespace Col {
enum : int {
    Type = 0,       // 模板类型: mblx
    Category,       // 模板分类: mbfl
    PhotoCount,     // 相片数量: xpsl, carried as text
    Widths,         // 相片宽度: bar list of slot widths
    Heights,        // 相片高度: bar list of slot heights
    Orientations,   // 竖照横照: bar list of heng / shu / shuheng
    PictureNames,   // 相片JPG名称: bar list of picture names
    MoviePath,      // 位置: full path of the paired movie container
    ClassWord,      // 分类标注: heng, shu, shuheng, gaojimoban or empty
    Index,          // 序号: the template index
    Frames,         // 模板swf总帧数: mbdx
    Name,           // 模板名称
    AllPhotos,      // 模板中所有照片: section "0" key sl
    ColumnCount
};
}  // namespace Col
QStringList Captions();

QString Orientations(const TextTable& table, int row);
QString PictureNames(const TextTable& table, int row);
QString MoviePath(const TextTable& table, int row);
QString ClassWord(const TextTable& table, int row);
int TemplateIndex(const TextTable& table, int row);
int Frames(const TextTable& table, int row);
QString Name(const TextTable& table, int row);
// The row of the template with index `index`, or -1.
int RowOfTemplate(const TextTable& table, int index);
}  // namespace ParameterTable

namespace ClassTable {
namespace Col {
enum : int {
    Type = 0,          // 模板类型
    Category,          // 模板分类
    PhotoCount,        // 相片数量
    Widths,            // 相片宽度
    Heights,           // 相片高度
    Orientations,      // 竖照横照
    PictureNames,      // 相片JPG名称
    MoviePath,         // 位置
    ClassWord,         // 分类标注
    Index,             // 序号: template index
    HorizontalPhotos,  // 横照几张
    VerticalPhotos,    // 竖照几张
    Frames,            // 模板swf总帧数
    Name,              // 模板名称
    ColumnCount
};
}  // namespace Col
QStringList Captions();

// A class row made from row `row` of the parameter table, with both photo counts "0".
QStringList FromParameterRow(const TextTable& parameters, int row);

QString Orientations(const TextTable& table, int row);
QString PictureNames(const TextTable& table, int row);
int TemplateIndex(const TextTable& table, int row);
QString HorizontalPhotos(const TextTable& table, int row);
QString VerticalPhotos(const TextTable& table, int row);
int Frames(const TextTable& table, int row);
QString Name(const TextTable& table, int row);
}  // namespace ClassTable

namespace TemplateList {
namespace Col {
enum : int {
    Index = 0,         // 序号: template index
    Name,              // 模板
    Kind,              // 类型: 高级模板 / 单张模板
    HorizontalPhotos,  // 横照片
    VerticalPhotos,    // 竖照片
    Length,            // 时长: HH:MM:SS
    Group,             // 分类: 综合模板 / 横照模板 / 竖照模板
    ColumnCount
};
}  // namespace Col
QStringList Captions();

// The words of the 分类 column: which kind of photo slots a template is placed by.
inline const QString kAdvancedGroup = QStringLiteral("综合模板");
inline const QString kHorizontalGroup = QStringLiteral("横照模板");
inline const QString kVerticalGroup = QStringLiteral("竖照模板");
}  // namespace TemplateList
