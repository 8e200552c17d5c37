#include "templates/TemplateTables.h"

#include "platform/TextTable.h"

namespace ParameterTable {
QStringList Captions() {
    return {"模板类型", "模板分类", "相片数量", "相片宽度", "相片高度", "竖照横照", "相片JPG名称",
            "位置", "分类标注", "序号", "模板swf总帧数", "模板名称", "模板中所有照片"};
}
QString Orientations(const TextTable& t, int row) { return t.cell(row, Col::Orientations); }
QString PictureNames(const TextTable& t, int row) { return t.cell(row, Col::PictureNames); }
QString MoviePath(const TextTable& t, int row) { return t.cell(row, Col::MoviePath); }
QString ClassWord(const TextTable& t, int row) { return t.cell(row, Col::ClassWord); }
int TemplateIndex(const TextTable& t, int row) { return t.cell(row, Col::Index).toInt(); }
int Frames(const TextTable& t, int row) { return t.cell(row, Col::Frames).toInt(); }
QString Name(const TextTable& t, int row) { return t.cell(row, Col::Name); }
int RowOfTemplate(const TextTable& t, int index) {
    return t.findRow(Col::Index, QString::number(index));
}
}  // namespace ParameterTable

namespace ClassTable {
QStringList Captions() {
    return {"模板类型", "模板分类", "相片数量", "相片宽度", "相片高度", "竖照横照", "相片JPG名称",
            "位置", "分类标注", "序号", "横照几张", "竖照几张", "模板swf总帧数", "模板名称"};
}

QStringList FromParameterRow(const TextTable& p, int row) {
    QStringList cells;
    for (int column = ParameterTable::Col::Type; column <= ParameterTable::Col::Index; ++column)
        cells.append(p.cell(row, column));
    cells << "0" << "0" << p.cell(row, ParameterTable::Col::Frames) << p.cell(row, ParameterTable::Col::Name);
    return cells;
}

QString Orientations(const TextTable& t, int row) { return t.cell(row, Col::Orientations); }
QString PictureNames(const TextTable& t, int row) { return t.cell(row, Col::PictureNames); }
int TemplateIndex(const TextTable& t, int row) { return t.cell(row, Col::Index).toInt(); }
QString HorizontalPhotos(const TextTable& t, int row) { return t.cell(row, Col::HorizontalPhotos); }
QString VerticalPhotos(const TextTable& t, int row) { return t.cell(row, Col::VerticalPhotos); }
int Frames(const TextTable& t, int row) { return t.cell(row, Col::Frames).toInt(); }
QString Name(const TextTable& t, int row) { return t.cell(row, Col::Name); }
}  // namespace ClassTable

namespace TemplateList {
QStringList Captions() { return {"序号", "模板", "类型", "横照片", "竖照片", "时长", "分类"}; }
}  // namespace TemplateList
