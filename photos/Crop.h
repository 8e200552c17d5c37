#pragma once
// The crop rectangles of a photo in a template slot.
//
// Two placements are kept for every matched slot, both in template pixels relative to the
// slot box tw x th:
//   - full mode: the photo scaled to cover the box (W1 x H1), centred across, top-aligned;
//   - fit mode: the photo scaled to lie inside the box (W2 x H2), centred both ways (a
//     vertical slot always takes the box height).
// A slot whose own width is 0 stands for the whole 1920 x 1080 frame: a horizontal photo in
// it covers the width; a vertical photo in it is fitted to the height and drawn from the
// left edge, and with the vertical fit setting its full mode takes the fit size too.
// Integer arithmetic throughout: multiply first, then divide, truncating toward zero.

#include "photos/Settings.h"
#include "platform/TextTable.h"

struct CropValues {
    int fullLeft = 0, fullTop = 0, fullWidth = 0, fullHeight = 0;  // slot cols 16-19
    bool fitMark = false;  // col 20: shizhong when set, quanping_or_jubuquanping otherwise
    int fitLeft = 0, fitTop = 0, fitWidth = 0, fitHeight = 0;  // slot cols 21-24
    bool operator==(const CropValues&) const = default;
};

// The crop of a pw x ph photo in a tw x th box. `verticalSlot` is the slot's kind and
// `slotWidthIsZero` says the slot's own width (col 14) is 0 (tw, th are then the frame the
// caller substituted). A photo without a positive size gets the box itself in both modes,
// so a damaged row never divides by zero.
CropValues ComputeCropValues(bool verticalSlot, bool slotWidthIsZero, int tw, int th, int pw,
                             int ph, const PhotoSettings& settings);

// The crop columns (16-24) of slot row `slotRow`, and writing them back. Numbers that do
// not parse read 0; the mark reads as fit only when it is shizhong.
CropValues ReadCropValues(const TextTable& slotTable, int slotRow);
void WriteCropValues(TextTable& slotTable, int slotRow, const CropValues& crop);

// Computes the crop of slot row `slotRow` of the slot table (its kind and own width read
// from the row) and writes cols 16-24.
void ComputeCrop(TextTable& slotTable, int slotRow, int tw, int th, int pw, int ph,
                 const PhotoSettings& settings);

// The box a slot is cropped against: its own size, or 1920 x 1080 when its width is 0.
struct CropBox {
    int width;
    int height;
};
CropBox SlotCropBox(const TextTable& slotTable, int slotRow);
