// The pure rules of the template library: bar lists, classes, photo counts, clocks.

#include <gtest/gtest.h>

#include "platform/TextTable.h"
#include "templates/BarList.h"
#include "templates/Classification.h"
#include "templates/FrameClock.h"
#include "templates/TemplateTables.h"

TEST(SplitBarList, TakesTheTextBetweenNeighbouringBars) {
    struct Case {
        QString text;
        QStringList items;
    } cases[] = {
        {"|a|b|c|", {"a", "b", "c"}},
        {"|heng|", {"heng"}},
        {"||", {""}},
        {"|a||b|", {"a", "", "b"}},
        {"a|b|c", {"b"}},  // text outside the outer bars is no item
        {"|", {}},
        {"", {}},
        {"heng", {}},
        {"|长|宽|", {"长", "宽"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitBarList(c.text), c.items) << c.text.toStdString();
}

TEST(FramesToClock, DropsPartSecondsAndPadsEachNumber) {
    struct Case {
        qint64 frames;
        const char* clock;
    } cases[] = {
        {0, "00:00:00"},      {24, "00:00:00"},     {25, "00:00:01"},
        {1500, "00:01:00"},   {1524, "00:01:00"},   {2250, "00:01:30"},
        {90000, "01:00:00"},  {112500, "01:15:00"}, {249, "00:00:09"},
        {250, "00:00:10"},    {2500000, "27:46:40"}, {-50, "00:00:00"},
    };
    for (const Case& c : cases) EXPECT_EQ(FramesToClock(c.frames), c.clock) << c.frames;
    EXPECT_EQ(SecondsToClock(0), "00:00:00");
    EXPECT_EQ(SecondsToClock(5400), "01:30:00");
    EXPECT_EQ(SecondsToClock(3599), "00:59:59");
    EXPECT_EQ(SecondsToClock(360000), "100:00:00");
}

namespace {
void FillParameters(TextTable& table, const QVector<std::pair<QString, QString>>& templates) {
    int index = 0;
    for (const auto& [orientations, names] : templates) {
        QStringList row(ParameterTable::Col::ColumnCount);
        row[ParameterTable::Col::Orientations] = orientations;
        row[ParameterTable::Col::PictureNames] = names;
        row[ParameterTable::Col::MoviePath] = QString("movie%1.rar").arg(index);
        row[ParameterTable::Col::Index] = QString::number(index);
        row[ParameterTable::Col::Frames] = "250";
        row[ParameterTable::Col::Name] = QString("模板%1").arg(index);
        table.addRow(row);
        ++index;
    }
}
}  // namespace

// Class and photo counts per class table for one template; "-" marks a table the template
// is not in.
TEST(Classification, ClassesAndPhotoCountsOfEachTable) {
    struct Case {
        const char* orientations;
        const char* pictureNames;
        const char* classWord;
        const char* inHorizontal;  // "h/v" counts, or "-"
        const char* inVertical;
        const char* inAdvanced;
    } cases[] = {
        {"|heng|", "|photo_1|", "heng", "1/0", "-", "-"},
        {"|shu|", "|photo_1|", "shu", "-", "0/1", "-"},
        {"|shuheng|", "|photo_1|", "shuheng", "1/0", "0/1", "-"},
        {"|shu|shu|", "|a_1|a_2|", "gaojimoban", "-", "-", "0/2"},
        {"|heng|shu|", "|a_1|a_2|", "gaojimoban", "-", "-", "1/1"},
        {"|heng|heng|heng|", "|a_1|a_2|a_3|", "gaojimoban", "-", "-", "3/0"},
        {"|shuheng|shuheng|", "|a_1|a_2|", "", "-", "-", "-"},
        {"|heng|shuheng|", "|a_1|a_2|", "", "-", "-", "-"},
        {"", "|a_1|", "", "-", "-", "-"},
        {"|up|", "|a_1|", "", "-", "-", "-"},
        // Item 1 has no "_" and item 3's name has two: neither is a photo slot.
        {"|heng|heng|shu|shu|", "|a_1|bg|a_2|big_a_1|", "gaojimoban", "-", "-", "1/1"},
        // A photo slot without an orientation item: malformed, in no table.
        {"|heng|", "|a_1|a_2|", "", "-", "-", "-"},
        // A template with no photo slot at all still has its class, and takes no photo.
        {"|heng|", "|title|", "heng", "0/0", "-", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.orientations) + " " + c.pictureNames);
        TextTable parameters(ParameterTable::Captions());
        FillParameters(parameters, {{c.orientations, c.pictureNames}});
        TextTable horizontal(ClassTable::Captions()), vertical(ClassTable::Captions()),
            advanced(ClassTable::Captions());
        ClassifyTemplates(parameters, horizontal, vertical, advanced);
        CountClassPhotos(horizontal, ClassTableKind::Horizontal);
        CountClassPhotos(vertical, ClassTableKind::Vertical);
        CountClassPhotos(advanced, ClassTableKind::Advanced);
        EXPECT_EQ(ParameterTable::ClassWord(parameters, 0), c.classWord);
        auto counts = [](const TextTable& t) -> QString {
            if (t.rowCount() == 0) return "-";
            EXPECT_EQ(t.rowCount(), 1);
            return ClassTable::HorizontalPhotos(t, 0) + "/" + ClassTable::VerticalPhotos(t, 0);
        };
        EXPECT_EQ(counts(horizontal), c.inHorizontal);
        EXPECT_EQ(counts(vertical), c.inVertical);
        EXPECT_EQ(counts(advanced), c.inAdvanced);
    }
}

TEST(Classification, CountsLeaveATemplateWithoutOrientationsUnchanged) {
    EXPECT_FALSE(CountPhotos("", "|a_1|", ClassTableKind::Horizontal).has_value());
    TextTable table(ClassTable::Captions());
    QStringList row(ClassTable::Col::ColumnCount);
    row[ClassTable::Col::HorizontalPhotos] = "7";
    row[ClassTable::Col::VerticalPhotos] = "8";
    table.addRow(row);
    CountClassPhotos(table, ClassTableKind::Advanced);
    EXPECT_EQ(ClassTable::HorizontalPhotos(table, 0), "7");
    EXPECT_EQ(ClassTable::VerticalPhotos(table, 0), "8");
}

TEST(Classification, TemplateListHoldsAdvancedThenHorizontalThenVertical) {
    TextTable parameters(ParameterTable::Captions());
    FillParameters(parameters, {{"|shuheng|", "|p_1|"},
                                               {"|heng|shu|", "|p_1|p_2|"},
                                               {"|heng|", "|p_1|"},
                                               {"|shu|", "|p_1|"},
                                               {"|shuheng|shuheng|", "|p_1|p_2|"}});
    parameters.setCell(1, ParameterTable::Col::Frames, "1524");
    TextTable horizontal(ClassTable::Captions()), vertical(ClassTable::Captions()),
        advanced(ClassTable::Captions());
    ClassifyTemplates(parameters, horizontal, vertical, advanced);
    CountClassPhotos(horizontal, ClassTableKind::Horizontal);
    CountClassPhotos(vertical, ClassTableKind::Vertical);
    CountClassPhotos(advanced, ClassTableKind::Advanced);
    TextTable list(TemplateList::Captions());
    FillTemplateList(horizontal, vertical, advanced, list);
    EXPECT_EQ(list.toTsv(),
              "序号\t模板\t类型\t横照片\t竖照片\t时长\t分类\n"
              "1\t模板1\t高级模板\t1\t1\t00:01:00\t综合模板\n"
              "0\t模板0\t单张模板\t1\t0\t00:00:10\t横照模板\n"
              "2\t模板2\t单张模板\t1\t0\t00:00:10\t横照模板\n"
              "0\t模板0\t单张模板\t0\t1\t00:00:10\t竖照模板\n"
              "3\t模板3\t单张模板\t0\t1\t00:00:10\t竖照模板\n");
    // The class rows carry the parameter row's movie path and index.
    EXPECT_EQ(advanced.cell(0, ClassTable::Col::MoviePath), "movie1.rar");
    EXPECT_EQ(advanced.cell(0, ClassTable::Col::ClassWord), "gaojimoban");
}
