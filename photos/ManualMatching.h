#pragma once
// Matching by hand: the template manager's edits of the album's tables.
//
// The template manager (Form8) builds the album's template sequence one template and one
// photo at a time. Its four edits, each on the tables of AlbumTables:
//
//   UseTemplateByHand       a library template joins the album as matching's UseTemplate
//                           puts it (used-template row, background row with a random
//                           horizontal photo, slots named and sized) but with no photo:
//                           its 照片匹配 is "未完成" until every slot holds one.
//   PlacePhotoInSlot        a photo goes into one slot: 匹配状态 "yi_pipei", its row and
//                           path, its crop (ComputeCrop against the slot, 1920 x 1080 for a
//                           slot of width 0) and 套版 "完成"; the template's 照片匹配 becomes
//                           "已完成" once no slot of it is empty. A photo the slot held before
//                           keeps its 套版 mark.
//   DeleteUsedTemplate      the template's slots, background row and used-template row go;
//                           later templates' slots move up one 行号; 编号 of the used
//                           templates and of the background rows are renumbered 1 ... n.
//                           A photo it held waits for matching again (套版 emptied) unless
//                           another template still holds it.
//   DeleteAllUsedTemplates  the three tables emptied and every photo waiting again.
//
// ReadManagerAlbum takes the snapshot the windows read (templates/TemplateManager.h).
// Nothing here shows a window; a row that does not exist changes nothing.

#include "photos/Matching.h"
#include "templates/TemplateManager.h"

// The photos and slots of the album now.
ManagerAlbum ReadManagerAlbum(const TextTable& photos, const TextTable& slotTable);

// Template-list row `templateListRow` into the album without photos. Answers false,
// changing nothing, when the row does not exist.
bool UseTemplateByHand(const LibraryTables& library, const AlbumTables& album, int templateListRow,
                       const RandomPick& random = DefaultRandomPick());

// Photo `photoRow` into slot-table row `slotRow`. Answers false, changing nothing, when
// either row does not exist.
bool PlacePhotoInSlot(const AlbumTables& album, int slotRow, int photoRow, const PhotoSettings& settings);

// Answers false, changing nothing, when `usedRow` does not exist.
bool DeleteUsedTemplate(const AlbumTables& album, int usedRow);
void DeleteAllUsedTemplates(const AlbumTables& album);
