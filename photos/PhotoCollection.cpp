#include "photos/PhotoCollection.h"

#include <QFileInfo>

#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"

QString SkippedPhotosMessage(const QStringList& skippedPaths) {
    if (skippedPaths.isEmpty()) return {};
    QStringList names;
    for (const QString& path : skippedPaths) names.append(QFileInfo(path).fileName());
    return "以下 " + QString::number(names.size()) +
           " 个文件不是可以读取的JPG照片文件,没有添加:\n" + names.join('\n');
}

QString DeletePhotoQuestion(int slotsUsingPhoto) {
    if (slotsUsingPhoto == 0) return QStringLiteral("是否确定要删除当前选中的照片文件?");
    return "此张照片文件在 " + QString::number(slotsUsingPhoto) +
           " 个模板文件中使用,删除后,模板文件中的照片文件也会被删除,是否确定要删除当前选中的照片文件?";
}

namespace {

// Empties the slots holding `photoRow` and marks their templates incomplete; moves the
// slots holding later photos up by one.
void ReleasePhotoFromSlots(const AlbumTables& album, int photoRow) {
    TextTable& slotTable = album.slotTable;
    for (int slot = 0; slot < slotTable.rowCount(); ++slot) {
        const int held = SlotPhotoRow(slotTable, slot);
        if (held == photoRow) {
            EmptySlotPhoto(slotTable, slot);
            const int used = SlotUsedRow(slotTable, slot);
            if (used >= 0 && used < album.usedTemplates.rowCount())
                album.usedTemplates.setCell(used, UsedTemplateColumn::kMatched,
                                            kTemplateIncomplete);
        } else if (held > photoRow) {
            slotTable.setCell(slot, SlotColumn::kPhotoRow, QString::number(held - 1));
        }
    }
}

}  // namespace

QString DeletePhoto(const AlbumTables& album, int row, const RandomPick& random) {
    if (row < 0 || row >= album.photos.rowCount()) return kNoPhotoSelectedMessage;
    ReleasePhotoFromSlots(album, row);
    album.photos.removeRow(row);
    RebuildHorizontalPhotoTable(album.photos, album.horizontalPhotos);
    FillEmptyBackgrounds(album.backgrounds, album.horizontalPhotos, random);
    RenumberPhotos(album.photos);
    return kPhotoDeletedMessage;
}

void DeleteAllPhotos(const AlbumTables& album) {
    album.photos.clear();
    album.horizontalPhotos.clear();
    album.usedTemplates.clear();
    album.slotTable.clear();
    album.backgrounds.clear();
}

AutoMatchStart StartAutoMatch(const TextTable& photos) {
    if (photos.rowCount() == 0) return {false, kNoPhotosMessage};
    if (CountWaitingPhotos(photos) == 0) return {false, kMatchingDoneMessage};
    return {true, {}};
}
