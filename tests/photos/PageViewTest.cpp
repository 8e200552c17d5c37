#include "photos/PageView.h"

#include <gtest/gtest.h>

#include "photos/SlotTable.h"
#include "platform/TextTable.h"

namespace {
std::string Text(const PageTurn& turn) {
    return (turn.refused() ? turn.refusal : QString::number(turn.page)).toStdString();
}
std::string Text(const LargeZoom& zoom) {
    const QString size = QString("%1x%2").arg(zoom.size.width()).arg(zoom.size.height());
    return (size + (zoom.refused() ? " " + zoom.refusal : QString())).toStdString();
}
}  // namespace

TEST(PageView, TurnsPagesWithinThePhotosAndRefusesAtEitherEnd) {
    struct Case {
        PageCommand command;
        int page;
        int photos;
        QString expected;
    };
    const Case cases[] = {
        // 18 photos: pages 0, 1 and an empty 2.
        {PageCommand::Next, 0, 18, "1"},
        {PageCommand::Next, 1, 18, "2"},
        {PageCommand::Next, 2, 18, kLastPageMessage},
        {PageCommand::Last, 0, 18, "2"},
        {PageCommand::Last, 2, 18, kLastPageMessage},
        {PageCommand::Previous, 2, 18, "1"},
        {PageCommand::Previous, 0, 18, kFirstPageMessage},
        {PageCommand::First, 2, 18, "0"},
        {PageCommand::First, 0, 18, kFirstPageMessage},
        // 10 photos: the last page holds one.
        {PageCommand::Last, 0, 10, "1"},
        {PageCommand::Next, 1, 10, kLastPageMessage},
        // No photos: every command says so.
        {PageCommand::First, 0, 0, kNoPhotosMessage},
        {PageCommand::Next, 0, 0, kNoPhotosMessage},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(TurnPage(c.command, c.page, c.photos)), c.expected.toStdString())
            << int(c.command) << " from page " << c.page << " of " << c.photos << " photos";
    EXPECT_EQ(CellPhotoRow(2, 1), 18);
    EXPECT_EQ(CellPhotoRow(0, 9), 8);
}

TEST(PageView, DrawsTheLargePhotoByTheDisplayModes) {
    const LargePhotoModes fill{false, true};    // the defaults
    const LargePhotoModes fit{true, true};
    const LargePhotoModes tallFills{false, false};
    struct Case {
        const char* what;
        QSize photo;
        QSize wanted;
        LargePhotoModes modes;
        QSize expected;
    };
    const Case cases[] = {
        {"horizontal, filling: the wanted width, taller than the area", {1600, 1200}, {800, 450}, fill, {800, 600}},
        {"horizontal, fit: limited to the box less 6", {1600, 1200}, {800, 450}, fit, {592, 444}},
        {"square photos count as horizontal", {1000, 1000}, {800, 450}, fill, {800, 800}},
        {"vertical, fit: the box height less 6", {900, 1600}, {800, 450}, fill, {249, 444}},
        {"vertical, not fit: the whole height", {900, 1600}, {800, 450}, tallFills, {253, 450}},
        {"vertical, limited by the box width", {1000, 1100}, {300, 450}, tallFills, {300, 330}},
        {"a photo without a size draws nothing", {0, 900}, {800, 450}, fill, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(LargePhotoSize(c.photo, c.wanted, c.modes), c.expected) << c.what;
    EXPECT_EQ(CentredIn({800, 450}, {800, 600}), QPoint(0, -75));
}

TEST(PageView, ZoomsByATenthOfTheAreaAndRefusesBelowNothingAndBeyondFiveTimes) {
    const QSize area(800, 450);
    EXPECT_EQ(Text(ZoomLargeIn(DefaultLargeSize(area), area)), "874x491");
    EXPECT_EQ(Text(ZoomLargeOut(DefaultLargeSize(area), area)), "714x401");
    EXPECT_EQ(Text(ZoomLargeOut({74, 41}, area)), ("794x444 " + kZoomOutRefusal).toStdString());
    EXPECT_EQ(Text(ZoomLargeIn({3994, 2246}, area)), ("3994x2246 " + kLargeZoomInRefusal).toStdString());

    // Nine steps out from the default still show the photo; the tenth is refused.
    QSize size = DefaultLargeSize(area);
    for (int step = 1; step <= 9; ++step) {
        const LargeZoom zoom = ZoomLargeOut(size, area);
        ASSERT_FALSE(zoom.refused()) << step;
        size = zoom.size;
    }
    EXPECT_TRUE(ZoomLargeOut(size, area).refused());
    EXPECT_EQ(DraggedPhotoPlace({500, 300}, {12, 99}, {40, 20}), QPoint(448, 181));
}

TEST(PageView, FindsTheTemplatesThatUseAPhoto) {
    TextTable slotTable(SlotTableCaptions());
    auto slot = [&slotTable](int usedRow, const QString& photoRow) {
        QStringList row(SlotColumn::kColumnCount);
        row[SlotColumn::kUsedRow] = QString::number(usedRow);
        row[SlotColumn::kPhotoRow] = photoRow;
        row[SlotColumn::kMatchState] = photoRow.isEmpty() ? QString() : kSlotMatched;
        slotTable.addRow(row);
    };
    slot(0, "0");  // photo 0 alone in a complete template
    slot(1, "1");  // photo 1 in a template with an empty slot
    slot(1, "");
    slot(2, "2");  // photo 2 in two templates
    slot(3, "2");
    EXPECT_EQ(TemplatesOfPhoto(slotTable, 0), PhotoTemplates::OneComplete);
    EXPECT_EQ(TemplatesOfPhoto(slotTable, 1), PhotoTemplates::OneIncomplete);
    EXPECT_EQ(TemplatesOfPhoto(slotTable, 2), PhotoTemplates::Several);
    EXPECT_EQ(TemplatesOfPhoto(slotTable, 3), PhotoTemplates::None);
    EXPECT_EQ(TemplatesOfPhoto(slotTable, -1), PhotoTemplates::None);  // no photo shown large
}
