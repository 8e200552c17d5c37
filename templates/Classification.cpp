#include "templates/Classification.h"

#include "platform/TextTable.h"
#include "templates/BarList.h"
#include "templates/FrameClock.h"
#include "templates/TemplateTables.h"

QString ClassifyOrientations(const QStringList& orientations) {
    if (orientations.size() == 1) {
        const QString& only = orientations.front();
        if (only == kClassHorizontal || only == kClassVertical || only == kClassEither) return only;
    }
    const qsizetype horizontal = orientations.count(kClassHorizontal);
    const qsizetype vertical = orientations.count(kClassVertical);
    if ((horizontal >= 1 && vertical >= 1) || horizontal > 1 || vertical > 1) return kClassAdvanced;
    return {};
}

bool IsPhotoSlotName(const QString& pictureName) { return pictureName.count(u'_') == 1; }

QVector<int> PhotoSlotItems(const QStringList& pictureNames) {
    QVector<int> items;
    for (int k = 0; k < pictureNames.size(); ++k)
        if (IsPhotoSlotName(pictureNames[k])) items.append(k);
    return items;
}

QString TemplateClass(const QString& orientations, const QString& pictureNames) {
    const QStringList items = SplitBarList(orientations);
    for (int k : PhotoSlotItems(SplitBarList(pictureNames)))
        if (k >= items.size()) return {};
    return ClassifyOrientations(items);
}

std::optional<PhotoCounts> CountPhotos(const QString& orientations, const QString& pictureNames,
                                       ClassTableKind kind) {
    const QStringList items = SplitBarList(orientations);
    if (items.isEmpty()) return std::nullopt;
    PhotoCounts counts;
    for (int k : PhotoSlotItems(SplitBarList(pictureNames))) {
        const QString item = items.value(k);
        const bool either = item == kClassEither;
        if (item == kClassHorizontal || (either && kind != ClassTableKind::Vertical))
            ++counts.horizontal;
        else if (item == kClassVertical || (either && kind == ClassTableKind::Vertical))
            ++counts.vertical;
    }
    return counts;
}

void ClassifyTemplates(TextTable& parameters, TextTable& horizontal, TextTable& vertical,
                       TextTable& advanced) {
    horizontal.clear();
    vertical.clear();
    advanced.clear();
    for (int row = 0; row < parameters.rowCount(); ++row) {
        const QString word = TemplateClass(ParameterTable::Orientations(parameters, row),
                                           ParameterTable::PictureNames(parameters, row));
        parameters.setCell(row, ParameterTable::Col::ClassWord, word);
    }
    for (int row = 0; row < parameters.rowCount(); ++row) {
        const QString word = ParameterTable::ClassWord(parameters, row);
        const QStringList classRow = ClassTable::FromParameterRow(parameters, row);
        if (word == kClassHorizontal || word == kClassEither) horizontal.addRow(classRow);
        if (word == kClassVertical || word == kClassEither) vertical.addRow(classRow);
        if (word == kClassAdvanced) advanced.addRow(classRow);
    }
}

void CountClassPhotos(TextTable& classTable, ClassTableKind kind) {
    for (int row = 0; row < classTable.rowCount(); ++row) {
        const std::optional<PhotoCounts> counts =
            CountPhotos(ClassTable::Orientations(classTable, row),
                        ClassTable::PictureNames(classTable, row), kind);
        if (!counts) continue;
        classTable.setCell(row, ClassTable::Col::HorizontalPhotos, QString::number(counts->horizontal));
        classTable.setCell(row, ClassTable::Col::VerticalPhotos, QString::number(counts->vertical));
    }
}

namespace {
void AppendListRows(const TextTable& classTable, const QString& kind, const QString& group,
                    TextTable& list) {
    for (int row = 0; row < classTable.rowCount(); ++row) {
        list.addRow({classTable.cell(row, ClassTable::Col::Index),
                     ClassTable::Name(classTable, row), kind,
                     ClassTable::HorizontalPhotos(classTable, row),
                     ClassTable::VerticalPhotos(classTable, row),
                     FramesToClock(ClassTable::Frames(classTable, row)), group});
    }
}
}  // namespace

void FillTemplateList(const TextTable& horizontal, const TextTable& vertical,
                      const TextTable& advanced, TextTable& list) {
    list.clear();
    AppendListRows(advanced, "高级模板", TemplateList::kAdvancedGroup, list);
    AppendListRows(horizontal, "单张模板", TemplateList::kHorizontalGroup, list);
    AppendListRows(vertical, "单张模板", TemplateList::kVerticalGroup, list);
}
