#include "photos/Crop.h"

#include <gtest/gtest.h>

#include "photos/SlotTable.h"

namespace {

struct CropCase {
    const char* what;
    bool vertical;
    bool slotWidthZero;
    bool verticalFitSetting;
    int tw, th, pw, ph;
    CropValues expected;
};

}  // namespace

TEST(ComputeCrop, GivesTheFullAndFitRectanglesOfEveryKindOfSlot) {
    const CropCase cases[] = {
        {"horizontal slot, wide photo: full crop wider than the slot", false, false, true,
         800, 600, 1600, 900, {-133, 0, 1066, 600, false, 0, 75, 800, 450}},
        {"vertical slot, tall photo: full crop taller than the slot", true, false, true,
         600, 800, 900, 1600, {0, 0, 600, 1066, false, 75, 0, 450, 800}},
        {"horizontal slot, photo narrower than the slot: fit limited by the height", false,
         false, true, 800, 600, 1000, 1000, {0, 0, 800, 800, false, 100, 0, 600, 600}},
        {"horizontal slot of width 0: full covers the frame width", false, true, true,
         1920, 1080, 4000, 1000, {0, 0, 1920, 480, false, 0, 300, 1920, 480}},
        {"vertical slot of width 0 with the fit setting: fit size, from the left edge", true,
         true, true, 1920, 1080, 3000, 4000, {0, 0, 810, 1080, true, 0, 0, 810, 1080}},
        {"vertical slot of width 0 without the setting: full covers the width", true, true,
         false, 1920, 1080, 3000, 4000, {0, 0, 1920, 2560, true, 0, 0, 810, 1080}},
        {"a photo without a size gets the box itself", false, false, true, 800, 600, 0, 900,
         {0, 0, 800, 600, false, 0, 0, 800, 600}},
    };
    for (const CropCase& c : cases) {
        PhotoSettings settings;
        settings.verticalPhotoFit = c.verticalFitSetting;
        EXPECT_EQ(ComputeCropValues(c.vertical, c.slotWidthZero, c.tw, c.th, c.pw, c.ph, settings),
                  c.expected)
            << c.what;
    }
}

TEST(ComputeCrop, WritesTheSlotColumnsAndCropsAZeroWidthSlotAgainstTheFrame) {
    TextTable slotTable(SlotTableCaptions());
    QStringList cells(SlotColumn::kColumnCount);
    cells[SlotColumn::kKind] = kVerticalSlot;
    cells[SlotColumn::kWidth] = "0";
    cells[SlotColumn::kHeight] = "0";
    slotTable.addRow(cells);

    const CropBox box = SlotCropBox(slotTable, 0);
    EXPECT_EQ(box.width, 1920);
    EXPECT_EQ(box.height, 1080);
    ComputeCrop(slotTable, 0, box.width, box.height, 3000, 4000, PhotoSettings{});

    EXPECT_EQ(slotTable.row(0).mid(SlotColumn::kFullLeft, 9),
              QStringList({"0", "0", "810", "1080", "shizhong", "0", "0", "810", "1080"}));
    EXPECT_EQ(slotTable.cell(0, SlotColumn::kUseMark), "");
}
