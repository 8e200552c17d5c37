#include "photos/ManualMatching.h"

#include "photos/Backgrounds.h"
#include "photos/Crop.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"

namespace {
// 照片匹配 of used template `usedRow` from its slots.
void UpdateMatchState(const AlbumTables& album, int usedRow) {
    bool complete = true;
    for (int row = 0; row < album.slotTable.rowCount(); ++row)
        if (SlotUsedRow(album.slotTable, row) == usedRow &&
            album.slotTable.cell(row, SlotColumn::kMatchState).isEmpty())
            complete = false;
    album.usedTemplates.setCell(usedRow, UsedTemplateColumn::kMatched,
                                complete ? kTemplateComplete : kTemplateIncomplete);
}

void ClearPlaced(TextTable& photos, int row) { photos.setCell(row, PhotoColumn::kPlaced, QString()); }
}  // namespace

ManagerAlbum ReadManagerAlbum(const TextTable& photos, const TextTable& slotTable) {
    ManagerAlbum album;
    for (int row = 0; row < photos.rowCount(); ++row)
        album.photos.append({PhotoName(photos, row), PhotoPath(photos, row),
                             QSize(PhotoWidth(photos, row), PhotoHeight(photos, row))});
    for (int row = 0; row < slotTable.rowCount(); ++row) {
        ManagerSlot slot;
        slot.row = row;
        slot.usedRow = SlotUsedRow(slotTable, row);
        bool ok = false;
        slot.slotNumber = slotTable.cell(row, SlotColumn::kSlotNumber).toInt(&ok);
        if (!ok) slot.slotNumber = -1;
        slot.vertical = SlotIsVertical(slotTable, row);
        slot.matched = !slotTable.cell(row, SlotColumn::kMatchState).isEmpty();
        slot.photoRow = SlotPhotoRow(slotTable, row);
        slot.templateName = slotTable.cell(row, SlotColumn::kTemplateName);
        slot.photoPath = slotTable.cell(row, SlotColumn::kPhotoPath);
        slot.cropMark = slotTable.cell(row, SlotColumn::kCropMark);
        album.slotList.append(slot);
    }
    return album;
}

bool UseTemplateByHand(const LibraryTables& library, const AlbumTables& album, int templateListRow,
                       const RandomPick& random) {
    if (templateListRow < 0 || templateListRow >= library.templateList.rowCount()) return false;
    // Matching's UseTemplate with nothing waiting: the slots are made, named and sized, and
    // no photo is assigned, which leaves the template "未完成".
    TextTable pendingHorizontal(PendingPhotoTableCaptions());
    TextTable pendingVertical(PendingPhotoTableCaptions());
    TextTable candidates[5];
    QStringList used[5];
    QStringList choices[5];
    const MatchingWork work{pendingHorizontal,
                            pendingVertical,
                            {candidates[0], used[0], choices[0]},
                            {candidates[1], used[1], choices[1]},
                            {candidates[2], used[2], choices[2]},
                            {candidates[3], used[3], choices[3]},
                            {candidates[4], used[4], choices[4]}};
    MatchingOptions options;
    options.random = random;
    RebuildHorizontalPhotoTable(album.photos, album.horizontalPhotos);
    PhotoMatcher matcher(library, album, work, options);
    if (!matcher.UseTemplate(templateListRow)) return false;
    UpdateMatchState(album, album.usedTemplates.rowCount() - 1);
    return true;
}

bool PlacePhotoInSlot(const AlbumTables& album, int slotRow, int photoRow, const PhotoSettings& settings) {
    TextTable& slotTable = album.slotTable;
    if (slotRow < 0 || slotRow >= slotTable.rowCount()) return false;
    if (photoRow < 0 || photoRow >= album.photos.rowCount()) return false;
    slotTable.setCell(slotRow, SlotColumn::kMatchState, kSlotMatched);
    slotTable.setCell(slotRow, SlotColumn::kPhotoRow, QString::number(photoRow));
    slotTable.setCell(slotRow, SlotColumn::kPhotoPath, PhotoPath(album.photos, photoRow));
    MarkPhotoPlaced(album.photos, photoRow);
    const CropBox box = SlotCropBox(slotTable, slotRow);
    ComputeCrop(slotTable, slotRow, box.width, box.height, PhotoWidth(album.photos, photoRow),
                PhotoHeight(album.photos, photoRow), settings);
    const int usedRow = SlotUsedRow(slotTable, slotRow);
    if (usedRow >= 0 && usedRow < album.usedTemplates.rowCount()) UpdateMatchState(album, usedRow);
    return true;
}

bool DeleteUsedTemplate(const AlbumTables& album, int usedRow) {
    TextTable& used = album.usedTemplates;
    TextTable& slotTable = album.slotTable;
    if (usedRow < 0 || usedRow >= used.rowCount()) return false;
    const int before = used.rowCount();

    QList<int> freed;
    for (int row = slotTable.rowCount() - 1; row >= 0; --row) {
        if (SlotUsedRow(slotTable, row) != usedRow) continue;
        const int photo = SlotPhotoRow(slotTable, row);
        if (photo >= 0 && !freed.contains(photo)) freed.append(photo);
        slotTable.removeRow(row);
    }
    if (before > 1) {
        for (int row = 0; row < slotTable.rowCount(); ++row) {
            const int owner = SlotUsedRow(slotTable, row);
            if (owner > usedRow) slotTable.setCell(row, SlotColumn::kUsedRow, QString::number(owner - 1));
        }
    }
    if (usedRow < album.backgrounds.rowCount()) album.backgrounds.removeRow(usedRow);
    used.removeRow(usedRow);
    for (int row = 0; row < used.rowCount(); ++row)
        used.setCell(row, UsedTemplateColumn::kNumber, QString::number(row + 1));
    for (int row = 0; row < album.backgrounds.rowCount(); ++row)
        album.backgrounds.setCell(row, BackgroundColumn::kNumber, QString::number(row + 1));

    // A photo the deleted template held waits again, unless another template holds it too.
    for (int photo : freed)
        if (photo < album.photos.rowCount() && CountSlotsHoldingPhoto(slotTable, photo) == 0)
            ClearPlaced(album.photos, photo);
    return true;
}

void DeleteAllUsedTemplates(const AlbumTables& album) {
    album.usedTemplates.clear();
    album.slotTable.clear();
    album.backgrounds.clear();
    for (int row = 0; row < album.photos.rowCount(); ++row) ClearPlaced(album.photos, row);
}
