#pragma once
// The album as the preview-folder builder reads it, gathered from the album's tables: the
// used templates (Form8.ListView_moban_shiyong) with their slots
// (Form8.ListView_moban_shiyong_canshu), the photos they hold (Form3.ListView_daoru_zhaopian),
// their backgrounds (Form21.ListView_moban_beijing, parallel to the used templates) and the
// template parameter table of the library (movie container, item sizes, picture items).

#include "platform/TextTable.h"
#include "templates/PreviewFolders.h"

struct PreviewAlbumTables {
    const TextTable& usedTemplates;
    const TextTable& slotTable;
    const TextTable& backgrounds;
    const TextTable& photos;
    const TextTable& parameters;
};

// One PreviewTemplate per used-template row, in order. A slot without a photo has an
// empty path (its picture stays white); a background row without a picture, or no row,
// gives a black background.
PreviewAlbum CollectPreviewAlbum(const PreviewAlbumTables& tables);
