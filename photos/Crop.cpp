#include "photos/Crop.h"

#include "photos/SlotTable.h"

namespace {

int Scale(int value, int numerator, int denominator) {
    return int(qint64(value) * numerator / denominator);
}

CropValues BoxItself(int tw, int th) {
    return {0, 0, tw, th, false, 0, 0, tw, th};
}

}  // namespace

CropValues ComputeCropValues(bool verticalSlot, bool slotWidthIsZero, int tw, int th, int pw,
                             int ph, const PhotoSettings& settings) {
    if (pw <= 0 || ph <= 0) return BoxItself(tw, th);

    int w1 = Scale(pw, th, ph);
    int h1 = th;
    if (w1 < tw) {
        h1 = Scale(ph, tw, pw);
        w1 = tw;
    }

    int w2 = 0;
    int h2 = 0;
    if (!verticalSlot) {
        w2 = tw;
        h2 = Scale(ph, tw, pw);
        if (th < h2) {
            h2 = th;
            w2 = Scale(pw, th, ph);
        }
    } else {
        w2 = Scale(pw, th, ph);
        h2 = th;
    }

    if (slotWidthIsZero && !verticalSlot) {
        w1 = tw;
        h1 = Scale(ph, tw, pw);
    }
    if (slotWidthIsZero && verticalSlot && settings.verticalPhotoFit) {
        w1 = w2 = Scale(pw, th, ph);
        h1 = h2 = th;
    }

    CropValues crop{tw / 2 - w1 / 2, 0, w1, h1, false, tw / 2 - w2 / 2, th / 2 - h2 / 2, w2, h2};
    if (slotWidthIsZero && verticalSlot) {
        crop.fullLeft = 0;
        crop.fitLeft = 0;
        crop.fitMark = true;
    }
    return crop;
}

void ComputeCrop(TextTable& slotTable, int slotRow, int tw, int th, int pw, int ph,
                 const PhotoSettings& settings) {
    WriteCropValues(slotTable, slotRow,
                    ComputeCropValues(SlotIsVertical(slotTable, slotRow), SlotWidth(slotTable, slotRow) == 0,
                                      tw, th, pw, ph, settings));
}

CropValues ReadCropValues(const TextTable& slotTable, int slotRow) {
    const auto get = [&](int column) { return slotTable.cell(slotRow, column).toInt(); };
    return {get(SlotColumn::kFullLeft),
            get(SlotColumn::kFullTop),
            get(SlotColumn::kFullWidth),
            get(SlotColumn::kFullHeight),
            slotTable.cell(slotRow, SlotColumn::kCropMark) == kCropFit,
            get(SlotColumn::kFitLeft),
            get(SlotColumn::kFitTop),
            get(SlotColumn::kFitWidth),
            get(SlotColumn::kFitHeight)};
}

void WriteCropValues(TextTable& slotTable, int slotRow, const CropValues& crop) {
    const auto put = [&](int column, int value) {
        slotTable.setCell(slotRow, column, QString::number(value));
    };
    put(SlotColumn::kFullLeft, crop.fullLeft);
    put(SlotColumn::kFullTop, crop.fullTop);
    put(SlotColumn::kFullWidth, crop.fullWidth);
    put(SlotColumn::kFullHeight, crop.fullHeight);
    slotTable.setCell(slotRow, SlotColumn::kCropMark, crop.fitMark ? kCropFit : kCropFull);
    put(SlotColumn::kFitLeft, crop.fitLeft);
    put(SlotColumn::kFitTop, crop.fitTop);
    put(SlotColumn::kFitWidth, crop.fitWidth);
    put(SlotColumn::kFitHeight, crop.fitHeight);
}

CropBox SlotCropBox(const TextTable& slotTable, int slotRow) {
    const int width = SlotWidth(slotTable, slotRow);
    if (width == 0) return {1920, 1080};
    return {width, SlotHeight(slotTable, slotRow)};
}
