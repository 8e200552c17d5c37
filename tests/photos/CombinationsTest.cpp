#include "photos/Combinations.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/GbkText.h"
#include "templates/Container.h"
#include "templates/TemplateTables.h"
#include "tests/photos/AlbumFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestLibrary.h"

namespace {

// The template list of the test library (tests/support/TestLibrary.h), as far as the scan
// reads it: the names.
void FillTestTemplateList(TextTable& list) {
    list.addRow({"3", "测试组合", "高级模板", "2", "1", "00:00:00", "综合模板"});
    list.addRow({"0", "测试横照", "单张模板", "1", "0", "00:00:00", "横照模板"});
    list.addRow({"2", "测试随意", "单张模板", "1", "0", "00:00:00", "横照模板"});
    list.addRow({"1", "测试竖照", "单张模板", "0", "1", "00:00:00", "竖照模板"});
    list.addRow({"2", "测试随意", "单张模板", "0", "1", "00:00:00", "竖照模板"});
}

QByteArray ArchiveOf(const QString& iniText) { return WrapLayers(EncodeGbk(iniText), 3); }

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QStringList Captions(const TextTable& table) {
    QStringList captions;
    for (int row = 0; row < table.rowCount(); ++row) captions.append(table.cell(row, CombinationColumn::kCaption));
    return captions;
}

// A library folder with the test library's two combination archives.
class CombinationScanTest : public testing::Test {
protected:
    void SetUp() override {
        FillTestTemplateList(list_);
        TestLibraryOptions options;
        options.interfacePictures = false;
        const TestLibrary library = BuildTestLibrary(dir_.path(), options);
        ASSERT_TRUE(library.ok) << library.error.toStdString();
    }
    QString folder() const { return dir_.path() + "/lumdata/wj_0_or_9_9"; }
    QString work() const { return dir_.path() + "/work"; }
    CombinationScan scan() const { return ScanCombinations(folder(), work(), list_); }

    TempDir dir_;
    TextTable list_{TemplateList::Captions()};
};

}  // namespace

TEST(TildeList, NameBeforeTheFirstTildeAndItemsBetweenTildes) {
    struct Case {
        const char* text;
        const char* name;
        QStringList items;
    } cases[] = {
        {"测试组合~2~1~", "测试组合", {"2", "1"}},
        {"a~3~", "a", {"3"}},
        {"a~~1~", "a", {"", "1"}},
        {"a~2~1", "a", {"2"}},  // the text after the last "~" is no item
        {"a", "a", {}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        const TildeList list = SplitTildeList(QString::fromUtf8(c.text));
        EXPECT_EQ(list.name, QString::fromUtf8(c.name)) << c.text;
        EXPECT_EQ(list.items, c.items) << c.text;
    }
}

TEST_F(CombinationScanTest, TwoArchivesListTwoRowsWithTheirPhotoCounts) {
    const CombinationScan found = scan();
    EXPECT_TRUE(found.problems.isEmpty()) << found.problems.join('\n').toStdString();
    TextTable table(CombinationTableCaptions());
    FillCombinationTable(table, found.combinations);

    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.row(0), QStringList({"模板组合 - 1", "3", "1", "4"}));
    EXPECT_EQ(table.row(1), QStringList({"模板组合 - 2", "0", "1", "1"}));
    ASSERT_EQ(found.combinations[0].members.size(), 2);
    EXPECT_EQ(found.combinations[0].members[1].name, "测试组合");
    EXPECT_EQ(found.combinations[0].members[1].horizontal, 2);
    EXPECT_EQ(found.combinations[0].members[1].vertical, 1);
    // Nothing of the unwrapping stays in the working folder.
    EXPECT_TRUE(QDir(work()).entryList(QDir::Files).isEmpty());
}

TEST_F(CombinationScanTest, AnArchiveThatCannotBeListedIsNamedAndTheOthersStillList) {
    struct Case {
        const char* what;
        std::function<void(const QString& folder)> damage;
        QString named;       // the problem names this
        QStringList listed;  // the rows that still list
    };
    const Case cases[] = {
        {"does not unwrap",
         [](const QString& f) { WriteBytes(f + "/wj_0_or_9_9_1.rar", "not a container at all"); },
         "wj_0_or_9_9_1.rar", {"模板组合 - 2"}},
        {"cut short",
         [](const QString& f) {
             QByteArray bytes = ArchiveOf("[zuhemoban_canshu]\r\nshuliang=1\r\ncanshu_1=测试竖照~0~1~\r\n");
             WriteBytes(f + "/wj_0_or_9_9_2.rar", bytes.left(bytes.size() / 2));
         },
         "wj_0_or_9_9_2.rar", {"模板组合 - 1"}},
        {"names a template the library does not have",
         [](const QString& f) {
             WriteBytes(f + "/wj_0_or_9_9_1.rar",
                        ArchiveOf("[zuhemoban_canshu]\r\nshuliang=2\r\ncanshu_1=测试横照~1~0~\r\n"
                                  "canshu_2=远方~1~0~\r\n"));
         },
         "远方", {"模板组合 - 2"}},
        {"holds no member",
         [](const QString& f) { WriteBytes(f + "/wj_0_or_9_9_2.rar", ArchiveOf("[zuhemoban_canshu]\r\n")); },
         "wj_0_or_9_9_2.rar", {"模板组合 - 1"}},
        {"is missing (another container counts)",
         [](const QString& f) { WriteBytes(f + "/notes.rar", ArchiveOf("x")); },
         "wj_0_or_9_9_3.rar", {"模板组合 - 1", "模板组合 - 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        TestLibraryOptions options;
        options.interfacePictures = false;
        const TestLibrary library = BuildTestLibrary(dir.path(), options);
        ASSERT_TRUE(library.ok);
        const QString folder = dir.path() + "/lumdata/wj_0_or_9_9";
        c.damage(folder);

        const CombinationScan found = ScanCombinations(folder, dir.path() + "/work", list_);
        ASSERT_EQ(found.problems.size(), 1) << found.problems.join('\n').toStdString();
        EXPECT_TRUE(found.problems[0].contains(c.named)) << found.problems[0].toStdString();
        TextTable table(CombinationTableCaptions());
        FillCombinationTable(table, found.combinations);
        EXPECT_EQ(Captions(table), c.listed);
        EXPECT_TRUE(QDir(dir.path() + "/work").entryList(QDir::Files).isEmpty());
    }
}

TEST(CombinationNote, SaysWhichPhotosTheChoiceNeedsAndKeepsItsTextForNone) {
    const QString before = "说明：earlier";
    EXPECT_EQ(CombinationNote(3, 1, before), "说明：选中的组合模板至少需要 1 张横照片和 1 张竖照片");
    EXPECT_EQ(CombinationNote(2, 0, before), "说明：选中的组合模板至少需要 1 张横照片");
    EXPECT_EQ(CombinationNote(0, 1, before), "说明：选中的组合模板至少需要 1 张竖照片");
    EXPECT_EQ(CombinationNote(0, 0, before), before);

    EXPECT_EQ(CombinationPickMessages(3, 1, false, true),
              QStringList({"当前选中的组合模板，至少需要添加 1 张横照片,点[确定]按钮继续添加照片"}));
    EXPECT_EQ(CombinationPickMessages(3, 1, false, false).size(), 2);
    EXPECT_TRUE(CombinationPickMessages(3, 0, true, false).isEmpty());
    EXPECT_TRUE(CombinationPickMessages(0, 0, false, false).isEmpty());
}

namespace {

// A library of H (one horizontal slot) and G (two horizontal slots and one vertical), as
// the test library's 测试横照 and 测试组合.
struct CombinationAlbum : AlbumFixture {
    CombinationAlbum() {
        AddSingleTemplate("H", "heng");
        AddTemplate({"G", "gaojimoban", {"heng", "heng", "shu"}, {"a_1", "b_2", "c_3"},
                     {"800", "800", "400"}, {"450", "450", "600"}});
    }
    CombinationFillResult Fill(const QVector<CombinationEntry>& members) {
        MatchingOptions options;
        options.random = FixedPicks({});
        Combination combination;
        combination.number = 1;
        combination.members = members;
        return FillFromCombination(library(), album(), work(), options, combination);
    }
    // The photo rows of the slots of used template `used`, in slot order.
    std::vector<int> PhotosOf(int used) const {
        std::vector<int> rows;
        for (int s = 0; s < slotTable.rowCount(); ++s)
            if (SlotUsedRow(slotTable, s) == used) rows.push_back(SlotPhotoRow(slotTable, s));
        return rows;
    }
};

}  // namespace

TEST(CombinationFill, FiveHorizontalAndOneVerticalPhotoTakeFourTemplatesReusingPhotos) {
    CombinationAlbum f;
    for (const char* name : {"h1", "h2", "h3", "h4", "h5"}) f.AddPhoto(name, 1600, 900);
    f.AddPhoto("v1", 900, 1600);  // row 5

    const CombinationFillResult result = f.Fill({{"H", 1, 0}, {"G", 2, 1}});

    EXPECT_EQ(f.UsedNames(), QStringList({"H", "G", "H", "G"}));
    EXPECT_EQ(f.PhotosOf(0), std::vector<int>({0}));
    EXPECT_EQ(f.PhotosOf(1), std::vector<int>({1, 2, 5}));
    EXPECT_EQ(f.PhotosOf(2), std::vector<int>({3}));
    EXPECT_EQ(f.PhotosOf(3), std::vector<int>({4, 0, 5}));  // photo 1 and the vertical photo again
    EXPECT_EQ(result.membersUsed, 4);
    EXPECT_EQ(result.placed, 6);
    EXPECT_EQ(result.unplaced, 0);
    for (int r = 0; r < f.photos.rowCount(); ++r) EXPECT_TRUE(PhotoIsPlaced(f.photos, r)) << r;
    for (int r = 0; r < f.usedTemplates.rowCount(); ++r) {
        EXPECT_EQ(f.usedTemplates.cell(r, UsedTemplateColumn::kMatched), kTemplateComplete) << r;
        EXPECT_EQ(f.backgrounds.cell(r, 0), QString::number(r + 1)) << r;
    }
    // The pending tables keep every row: photos were taken in a cycle, not thinned.
    EXPECT_EQ(f.pendingHorizontal.rowCount(), 5);
    EXPECT_EQ(f.pendingVertical.rowCount(), 1);
}

TEST(CombinationFill, AMemberThatMatchesNoTemplateListRowAddsNothing) {
    CombinationAlbum f;
    f.AddPhoto("h1", 1600, 900);
    f.AddPhoto("h2", 1600, 900);

    // G exists, but not with these counts; 远方 does not exist at all.
    const CombinationFillResult result = f.Fill({{"H", 1, 0}, {"G", 3, 0}, {"远方", 1, 0}});

    EXPECT_EQ(f.UsedNames(), QStringList({"H", "H"}));
    EXPECT_EQ(f.PhotosOf(1), std::vector<int>({1}));
    EXPECT_EQ(result.unplaced, 0);
}

TEST(CombinationFill, EndsAfterAFullCycleThatPlacesNothingAndLeavesThoseTheirWait) {
    {
        // Only horizontal members and a vertical photo waiting.
        CombinationAlbum f;
        f.AddPhoto("h1", 1600, 900);
        f.AddPhoto("v1", 900, 1600);
        const CombinationFillResult result = f.Fill({{"H", 1, 0}, {"H", 1, 0}});
        EXPECT_EQ(result.unplaced, 1);
        EXPECT_EQ(result.placed, 1);
        EXPECT_FALSE(PhotoIsPlaced(f.photos, 1));
        // The first pass (H places h1, H takes it again), then H once more: two members in a
        // row have placed nothing.
        EXPECT_EQ(result.membersUsed, 3);
        EXPECT_EQ(CombinationUnplacedMessage(result.unplaced),
                  "选中的组合模板中没有可以放入的模板,有 1 张照片没有放入模板,可以点[自动套版]按钮为它们匹配模板！");
    }
    {
        // No member matches: the first pass is the idle cycle.
        CombinationAlbum f;
        f.AddPhoto("h1", 1600, 900);
        const CombinationFillResult result = f.Fill({{"远方", 1, 0}, {"G", 1, 1}});
        EXPECT_EQ(result.membersUsed, 2);
        EXPECT_EQ(result.unplaced, 1);
        EXPECT_TRUE(f.UsedNames().isEmpty());
    }
}

TEST(CombinationFill, PhotosWaitingFromEarlierAreFilledTooAndPlacedOnesAreNotTakenAgain) {
    CombinationAlbum f;
    f.AddPhoto("old", 1600, 900);
    MarkPhotoPlaced(f.photos, 0);
    f.AddPhoto("waiting", 1600, 900);
    f.AddPhoto("new", 1600, 900);

    f.Fill({{"H", 1, 0}});

    EXPECT_EQ(f.UsedNames(), QStringList({"H", "H"}));
    EXPECT_EQ(f.PhotosOf(0), std::vector<int>({1}));
    EXPECT_EQ(f.PhotosOf(1), std::vector<int>({2}));
}
