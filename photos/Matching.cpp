#include "photos/Matching.h"

#include <utility>

#include "photos/Crop.h"
#include "templates/BarList.h"
#include "templates/Classification.h"
#include "templates/TemplateTables.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"


QStringList CandidateTableCaptions() {
    return ClassTable::Captions() << QStringLiteral("是否使用");
}

QString UnplacedPhotosMessage(int unplaced) {
    return "有 " + QString::number(unplaced) +
           " 张照片没有找到可以使用的模板,未能自动匹配！";
}

void ClearMatchingWork(const MatchingWork& work) {
    for (const CandidateList* list : {&work.advanced, &work.advancedHorizontal,
                                      &work.advancedVertical, &work.horizontal, &work.vertical}) {
        list->table.clear();
        list->used.clear();
        list->choices.clear();
    }
    if (work.randomScratch) work.randomScratch->clear();
}

namespace {

int ClassHorizontal(const TextTable& klass, int row) {
    return klass.cell(row, ClassTable::Col::HorizontalPhotos).toInt();
}

int ClassVertical(const TextTable& klass, int row) {
    return klass.cell(row, ClassTable::Col::VerticalPhotos).toInt();
}

// Appends class row `row` to a candidate table, not used yet.
void AddCandidate(TextTable& candidates, const TextTable& klass, int row) {
    QStringList cells;
    for (int column = 0; column < ClassTable::Col::ColumnCount; ++column)
        cells.append(klass.cell(row, column));
    cells.append(kCandidateUnused);
    candidates.addRow(cells);
}

QString CandidateIndex(const TextTable& candidates, int row) {
    return candidates.cell(row, ClassTable::Col::Index);
}

// The naming passes of a used template's category: which orientation word fills which kind
// of slot, in order.
QVector<std::pair<QString, QString>> NamingPasses(const QString& category) {
    if (category == TemplateList::kHorizontalGroup)
        return {{"heng", kHorizontalSlot}, {"shu", kVerticalSlot}, {"shuheng", kHorizontalSlot}};
    if (category == TemplateList::kVerticalGroup)
        return {{"heng", kHorizontalSlot}, {"shu", kVerticalSlot}, {"shuheng", kVerticalSlot}};
    if (category == TemplateList::kAdvancedGroup)
        return {{"heng", kHorizontalSlot}, {"shu", kVerticalSlot}};
    return {};
}

}  // namespace

PhotoMatcher::PhotoMatcher(const LibraryTables& library, const AlbumTables& album,
                           const MatchingWork& work, MatchingOptions options)
    : library_(library), album_(album), work_(work), options_(std::move(options)) {
    if (!options_.random) options_.random = DefaultRandomPick();
}

MatchingResult PhotoMatcher::RunJob(const std::function<void()>& afterPass) {
    Begin();
    MatchingResult result;
    while (PendingCount() > 0) {
        const int placed = RunPass();
        ++result.passes;
        result.placed += placed;
        if (afterPass) afterPass();
        if (placed == 0) break;
    }
    result.unplaced = PendingCount();
    return result;
}

void PhotoMatcher::Begin() {
    RebuildHorizontalPhotoTable(album_.photos, album_.horizontalPhotos);
    FillEmptyBackgrounds(album_.backgrounds, album_.horizontalPhotos, options_.random);
    RebuildPendingTables(album_.photos, work_.pendingHorizontal, work_.pendingVertical);
    for (CandidateList* list : {&work_.advanced, &work_.advancedHorizontal,
                                &work_.advancedVertical, &work_.horizontal, &work_.vertical})
        list->used.clear();
}

int PhotoMatcher::PendingCount() const {
    return work_.pendingHorizontal.rowCount() + work_.pendingVertical.rowCount();
}

int PhotoMatcher::RemovePlacedPending() {
    return RemovePlacedPendingRows(work_.pendingHorizontal) +
           RemovePlacedPendingRows(work_.pendingVertical);
}

int PhotoMatcher::RunPass() {
    const std::pair<CandidateList*, const QString*> steps[] = {
        {&work_.advanced, &TemplateList::kAdvancedGroup},
        {&work_.advancedHorizontal, &TemplateList::kAdvancedGroup},
        {&work_.advancedVertical, &TemplateList::kAdvancedGroup},
        {&work_.horizontal, &TemplateList::kHorizontalGroup},
        {&work_.vertical, &TemplateList::kVerticalGroup},
    };
    int placed = 0;
    RebuildCandidates();
    for (const auto& [candidates, category] : steps) {
        PlaceFrom(*candidates, *category);
        placed += RemovePlacedPending();
        RebuildCandidates();
    }
    return placed;
}

void PhotoMatcher::RebuildCandidates() {
    for (CandidateList* list : {&work_.advanced, &work_.advancedHorizontal,
                                &work_.advancedVertical, &work_.horizontal, &work_.vertical})
        list->table.clear();
    if (work_.randomScratch) work_.randomScratch->clear();

    const int waitingH = work_.pendingHorizontal.rowCount();
    const int waitingV = work_.pendingVertical.rowCount();
    const TextTable& advanced = library_.advancedClass;
    for (int row = 0; row < advanced.rowCount(); ++row) {
        const int nh = ClassHorizontal(advanced, row);
        const int nv = ClassVertical(advanced, row);
        if (waitingH > 0 && waitingV > 0 && nh > 0 && nv > 0 && nh <= waitingH && nv <= waitingV)
            AddCandidate(work_.advanced.table, advanced, row);
        if (waitingH > 0 && nh > 0 && nv == 0 && nh <= waitingH)
            AddCandidate(work_.advancedHorizontal.table, advanced, row);
        if (waitingV > 0 && nh == 0 && nv > 0 && nv <= waitingV)
            AddCandidate(work_.advancedVertical.table, advanced, row);
    }
    if (waitingH > 0)
        for (int row = 0; row < library_.horizontalClass.rowCount(); ++row)
            AddCandidate(work_.horizontal.table, library_.horizontalClass, row);
    if (waitingV > 0)
        for (int row = 0; row < library_.verticalClass.rowCount(); ++row)
            AddCandidate(work_.vertical.table, library_.verticalClass, row);
}

void PhotoMatcher::PlaceFrom(CandidateList& candidates, const QString& category) {
    TextTable& table = candidates.table;
    if (table.rowCount() == 0) return;

    int marked = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        const bool used = candidates.used.contains(CandidateIndex(table, row));
        table.setCell(row, kCandidateUseColumn, used ? kCandidateUsed : kCandidateUnused);
        if (used) ++marked;
    }

    int picked = 0;
    if (marked == 0 || marked >= table.rowCount()) {
        table.setCell(0, kCandidateUseColumn, kCandidateUnused);
        candidates.used.clear();
    } else {
        candidates.choices.clear();
        for (int row = 0; row < table.rowCount(); ++row)
            if (table.cell(row, kCandidateUseColumn) == kCandidateUnused)
                candidates.choices.append(QString::number(row));
        picked = candidates.choices.first().toInt();
    }

    table.setCell(picked, kCandidateUseColumn, kCandidateUsed);
    const QString index = CandidateIndex(table, picked);
    const TextTable& list = library_.templateList;
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.cell(row, TemplateList::Col::Index) == index &&
            list.cell(row, TemplateList::Col::Group) == category)
            UseTemplate(row);
    candidates.used.append(index);
}

bool PhotoMatcher::UseTemplate(int templateListRow) {
    const TextTable& list = library_.templateList;
    if (templateListRow < 0 || templateListRow >= list.rowCount()) return false;

    QStringList cells;
    for (int column = 0; column < UsedTemplateColumn::kCopiedFromList; ++column)
        cells.append(list.cell(templateListRow, column));
    cells << kTemplateComplete << QString::number(album_.usedTemplates.rowCount() + 1);
    const int usedRow = album_.usedTemplates.addRow(cells);
    AppendBackgroundRow(album_.backgrounds, album_.usedTemplates, usedRow,
                        album_.horizontalPhotos, options_.random);

    const int firstSlot = album_.slotTable.rowCount();
    AppendSlots(usedRow);
    for (int row = 0; row < album_.usedTemplates.rowCount(); ++row) NameAndSizeSlots(row);
    AssignPhotos(firstSlot, usedRow);
    return true;
}

void PhotoMatcher::AppendSlots(int usedRow) {
    const TextTable& used = album_.usedTemplates;
    const int horizontal = UsedTemplateHorizontalCount(used, usedRow);
    const int vertical = UsedTemplateVerticalCount(used, usedRow);
    for (int number = 0; number < horizontal + vertical; ++number) {
        QStringList cells;
        for (int column = 0; column < UsedTemplateColumn::kCopiedFromList; ++column)
            cells.append(used.cell(usedRow, column));
        cells << QString::number(usedRow) << (number < horizontal ? kHorizontalSlot : kVerticalSlot)
              << QString() << QString::number(number);
        while (cells.size() < SlotColumn::kColumnCount) cells.append(QString());
        album_.slotTable.addRow(cells);
    }
}

void PhotoMatcher::NameAndSizeSlots(int usedRow) {
    const TextTable& used = album_.usedTemplates;
    const TextTable& parameters = library_.parameters;
    const int parameterRow = parameters.findRow(
        ParameterTable::Col::Index, used.cell(usedRow, UsedTemplateColumn::kTemplateIndex));
    if (parameterRow < 0) return;

    const QStringList widths =
        SplitBarList(parameters.cell(parameterRow, ParameterTable::Col::Widths));
    const QStringList heights =
        SplitBarList(parameters.cell(parameterRow, ParameterTable::Col::Heights));
    const QStringList orientations =
        SplitBarList(parameters.cell(parameterRow, ParameterTable::Col::Orientations));
    const QStringList pictures =
        SplitBarList(parameters.cell(parameterRow, ParameterTable::Col::PictureNames));

    TextTable& slotTable = album_.slotTable;
    QVector<int> ownSlots;
    for (int row = 0; row < slotTable.rowCount(); ++row)
        if (SlotUsedRow(slotTable, row) == usedRow) ownSlots.append(row);

    for (const auto& [word, kind] : NamingPasses(UsedTemplateCategory(used, usedRow))) {
        for (int item = 0; item < pictures.size(); ++item) {
            if (!IsPhotoSlotName(pictures[item]) || orientations.value(item) != word)
                continue;
            for (int slot : ownSlots) {
                if (slotTable.cell(slot, SlotColumn::kKind) != kind || !SlotPicture(slotTable, slot).isEmpty())
                    continue;
                slotTable.setCell(slot, SlotColumn::kPicture, pictures[item]);
                slotTable.setCell(slot, SlotColumn::kWidth, widths.value(item));
                slotTable.setCell(slot, SlotColumn::kHeight, heights.value(item));
                break;
            }
        }
    }
}

void PhotoMatcher::AssignPhotos(int firstSlot, int usedRow) {
    TextTable& slotTable = album_.slotTable;
    int horizontalTaken = 0;
    int verticalTaken = 0;
    bool complete = true;
    for (int slot = firstSlot; slot < slotTable.rowCount(); ++slot) {
        const bool vertical = SlotIsVertical(slotTable, slot);
        TextTable& pending = vertical ? work_.pendingVertical : work_.pendingHorizontal;
        const int pendingRow =
            NextPendingRow(pending, vertical, vertical ? verticalTaken++ : horizontalTaken++);
        if (!AssignPhoto(slot, pending, pendingRow)) complete = false;
    }
    // A slot left without a photo (fewer waiting photos than slots) keeps its template
    // incomplete, as a deleted photo does.
    if (!complete)
        album_.usedTemplates.setCell(usedRow, UsedTemplateColumn::kMatched, kTemplateIncomplete);
}

// The pending row the k-th slot of a kind takes: row k in random-template mode; in
// combination mode the row after the one that kind took last, wrapping to row 0.
int PhotoMatcher::NextPendingRow(TextTable& pending, bool vertical, int kthOfKind) {
    if (options_.templateMode != kCombinationMode) return kthOfKind;
    int& counter = vertical ? playOrder_.vertical : playOrder_.horizontal;
    ++counter;
    if (counter >= pending.rowCount()) counter = 0;
    return counter;
}

bool PhotoMatcher::AssignPhoto(int slotRow, TextTable& pending, int pendingRow) {
    if (pendingRow < 0 || pendingRow >= pending.rowCount()) return false;
    const int photoRow = PendingPhotoRow(pending, pendingRow);
    if (photoRow < 0 || photoRow >= album_.photos.rowCount()) return false;

    TextTable& slotTable = album_.slotTable;
    slotTable.setCell(slotRow, SlotColumn::kMatchState, kSlotMatched);
    slotTable.setCell(slotRow, SlotColumn::kPhotoRow, QString::number(photoRow));
    slotTable.setCell(slotRow, SlotColumn::kPhotoPath, PhotoPath(album_.photos, photoRow));
    const CropBox box = SlotCropBox(slotTable, slotRow);
    ComputeCrop(slotTable, slotRow, box.width, box.height, PhotoWidth(album_.photos, photoRow),
                PhotoHeight(album_.photos, photoRow), options_.settings);
    MarkPhotoPlaced(album_.photos, photoRow);
    pending.setCell(pendingRow, PhotoColumn::kPlaced, kPhotoPlaced);
    return true;
}
