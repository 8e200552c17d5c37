#include "photos/PreviewAlbum.h"

#include "photos/Backgrounds.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "templates/BarList.h"
#include "templates/TemplateTables.h"

namespace {
int Int(const TextTable& table, int row, int column) { return table.cell(row, column).toInt(); }

PreviewSlot SlotOf(const TextTable& slotList, int row, const TextTable& photos) {
    PreviewSlot slot;
    slot.picture = SlotPicture(slotList, row);
    const int photoRow = SlotPhotoRow(slotList, row);
    if (photoRow >= 0) {
        slot.photoPath = slotList.cell(row, SlotColumn::kPhotoPath);
        slot.photoSize = QSize(PhotoWidth(photos, photoRow), PhotoHeight(photos, photoRow));
    }
    slot.slotSize = QSize(SlotWidth(slotList, row), SlotHeight(slotList, row));
    slot.full = QRect(Int(slotList, row, SlotColumn::kFullLeft), Int(slotList, row, SlotColumn::kFullTop),
                      Int(slotList, row, SlotColumn::kFullWidth), Int(slotList, row, SlotColumn::kFullHeight));
    slot.fit = QRect(Int(slotList, row, SlotColumn::kFitLeft), Int(slotList, row, SlotColumn::kFitTop),
                     Int(slotList, row, SlotColumn::kFitWidth), Int(slotList, row, SlotColumn::kFitHeight));
    return slot;
}
}  // namespace

PreviewAlbum CollectPreviewAlbum(const PreviewAlbumTables& tables) {
    PreviewAlbum album;
    album.hasBackgrounds = tables.backgrounds.rowCount() > 0;
    for (int i = 0; i < tables.usedTemplates.rowCount(); ++i) {
        PreviewTemplate entry;
        entry.complete = tables.usedTemplates.cell(i, UsedTemplateColumn::kMatched) == kTemplateComplete;
        entry.category = UsedTemplateCategory(tables.usedTemplates, i);
        const int parameterRow =
            ParameterTable::RowOfTemplate(tables.parameters, UsedTemplateIndex(tables.usedTemplates, i));
        entry.movieContainer = ParameterTable::MoviePath(tables.parameters, parameterRow);
        entry.widths = SplitBarList(tables.parameters.cell(parameterRow, ParameterTable::Col::Widths));
        entry.heights = SplitBarList(tables.parameters.cell(parameterRow, ParameterTable::Col::Heights));
        entry.items = SplitBarList(ParameterTable::PictureNames(tables.parameters, parameterRow));
        for (int s = 0; s < tables.slotTable.rowCount(); ++s)
            if (SlotUsedRow(tables.slotTable, s) == i) entry.slotList.append(SlotOf(tables.slotTable, s, tables.photos));
        if (i < tables.backgrounds.rowCount() && !BackgroundPictureName(tables.backgrounds, i).isEmpty()) {
            entry.backgroundPath = BackgroundPath(tables.backgrounds, i);
            entry.backgroundSize = QSize(BackgroundWidth(tables.backgrounds, i), BackgroundHeight(tables.backgrounds, i));
        }
        album.templates.append(entry);
    }
    return album;
}
