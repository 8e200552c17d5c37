#include "production/AlbumFormat.h"

#include <gtest/gtest.h>

#include "production/Synchronisation.h"

namespace {

TEST(AlbumFormat, SizeRowsOfEveryType) {
    const struct {
        QString type;
        int rows;
        QSize row7;
        QSize last;
    } cases[] = {
        {"VCD", 5, {}, {1280, 720}},
        {"SVCD", 9, {1920, 1080}, {2048, 1152}},
        {"DVD", 9, {1920, 1080}, {2048, 1152}},
        {"AVI", 9, {1920, 1080}, {2048, 1152}},
        {"MP4", 9, {1920, 1080}, {2048, 1152}},
        {"WMV", 9, {1920, 1088}, {2048, 1152}},
        {"MOV", 9, {1920, 1088}, {2048, 1152}},
    };
    for (const auto& c : cases) {
        const QVector<QSize> sizes = OutputSizes(c.type);
        ASSERT_EQ(sizes.size(), c.rows) << c.type.toStdString();
        EXPECT_EQ(sizes.first(), QSize(320, 176));
        EXPECT_EQ(sizes[kDefaultSizeRow], QSize(1280, 720));
        EXPECT_EQ(sizes.last(), c.last);
        if (c.rows > 7) {
            EXPECT_EQ(sizes[7], c.row7) << c.type.toStdString();
        }
        EXPECT_EQ(OutputWidths(c.type).size(), c.rows);
        EXPECT_EQ(OutputHeights(c.type).value(7), c.rows > 7 ? QString::number(c.row7.height()) : QString());
    }
    EXPECT_TRUE(OutputSizes("MPG").isEmpty());
}

TEST(AlbumFormat, ListNamesAndWords) {
    EXPECT_EQ(WidthListName("SVCD"), "ComboBox_svcd_1");
    EXPECT_EQ(HeightListName("MOV"), "ComboBox_mov_2");
    EXPECT_EQ(FormatPresetNumber(TvSystem::Pal), 0);
    EXPECT_EQ(FormatPresetNumber(TvSystem::Ntsc), 1);
    EXPECT_EQ(AlbumFrames(750), 900);  // 250 + 500 frames of templates: 00:00:36
}

}  // namespace
