// 添加照片 with combination templates turned on: Form41's list and choice, the combination
// pick of Form3 and the combination job of Form13, over the test library's two archives
// (1 = 测试横照, 测试组合: 3 + 1 photos; 2 = 测试竖照: 0 + 1).

#include <QDir>
#include <QFile>
#include <QRadioButton>

#include "app/Form18.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "app/Form41.h"
#include "photos/Matching.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/TextTable.h"
#include "tests/app/PhotoWindowsFixture.h"

namespace {

QStringList Column(const TextTable& table, int column) {
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row) cells.append(table.cell(row, column));
    return cells;
}

const QString kBothNote = QStringLiteral("说明：选中的组合模板至少需要 1 张横照片和 1 张竖照片");

class CombinationWindows : public PhotoWindows {
public:
    // Runs 添加照片 on Form3 with combination templates on; `inOptions` acts in Form41.
    void addWithCombinations(const std::vector<QStringList>& dialogAnswers,
                             const std::function<void(Form41&)>& inOptions) {
        Windows::get<Form18>()->RadioButton_moban_zuhe_shiyong->setChecked(true);
        desktop_->queueModalAction("Form3", [=, this](Window& w) {
            desktop_->queueModalAction("Form41", [inOptions](Window& o) { inOptions(static_cast<Form41&>(o)); });
            for (const QStringList& files : dialogAnswers) desktop_->queueFiles(files);
            Windows::get<Form3>()->Button2Click();
            w.accept();
        });
        Windows::get<Form2>()->runCommand("Button6Click");
    }
};

TEST_F(CombinationWindows, ListsTheCombinationsWithTheirCountsAndNotesTheChosenOnesNeeds) {
    buildTestLibrary();
    const QStringList files = {photo("h1.jpg", {1600, 900})};
    run([&](Form2&) {
        addWithCombinations({files}, [&](Form41& options) {
            const TextTable& rows = *options.ListView_zuhemoban;
            ASSERT_EQ(rows.rowCount(), 2);
            EXPECT_EQ(rows.columnCaptions(), QStringList({"模板组合", "横照片(张)", "竖照片(张)", "照片总数(张)"}));
            EXPECT_EQ(rows.row(0), QStringList({"模板组合 - 1", "3", "1", "4"}));
            EXPECT_EQ(rows.row(1), QStringList({"模板组合 - 2", "0", "1", "1"}));
            // Row 0 is chosen from the start.
            EXPECT_EQ(options.field("Edit_zuhemoban_xuanhao"), "0");
            EXPECT_EQ(options.field("Edit_zuhemoban_mingcheng"), "模板组合 - 1");
            EXPECT_EQ(options.field("Edit_zuhemoban_hengzhao"), "3 张");
            EXPECT_EQ(options.field("Edit_zuhemoban_shuzhao"), "1 张");
            EXPECT_EQ(options.note(), kBothNote);

            options.selectCombinationRow(1);
            options.ListView_zuhemobanClick();
            EXPECT_EQ(options.field("Edit_zuhemoban_xuanhao"), "1");
            EXPECT_EQ(options.field("Edit_zuhemoban_mingcheng"), "模板组合 - 2");
            EXPECT_EQ(options.field("Edit_zuhemoban_hengzhao"), "0 张");
            EXPECT_EQ(options.field("Edit_zuhemoban_shuzhao"), "1 张");
            EXPECT_EQ(options.note(), "说明：选中的组合模板至少需要 1 张竖照片");

            // A click beside the rows chooses nothing and says so.
            options.selectCombinationRow(-1);
            options.ListView_zuhemobanClick();
            EXPECT_EQ(options.field("Edit_zuhemoban_mingcheng"), "模板组合 - 2");

            options.Button2Click();
        });
        EXPECT_EQ(messages_, QStringList({"没有选中组合模板！"}));
        // Random templates: the add dialog ran as without combinations.
        EXPECT_EQ(Windows::get<Form41>()->Edit_mobanfashi, kRandomTemplatesMode);
        EXPECT_EQ(Column(table("Form3", "ListView_daoru_zhaopian"), PhotoColumn::kPlaced), QStringList({"完成"}));
    });
}

TEST_F(CombinationWindows, TheChosenCombinationFillsItsTemplatesInOrderUntilEveryPhotoHasAPlace) {
    buildTestLibrary();
    // Chosen in mixed order: the photo table takes the horizontal files first.
    const QStringList files = {photo("h1.jpg", {1600, 900}), photo("v1.jpg", {900, 1600}),
                               photo("h2.jpg", {1600, 900}), photo("h3.jpg", {1200, 900}),
                               photo("h4.jpg", {1600, 900}), photo("h5.jpg", {1000, 1000})};
    run([&](Form2&) {
        addWithCombinations({files}, [](Form41& options) { options.Button1Click(); });

        EXPECT_EQ(Windows::get<Form41>()->Edit_mobanfashi, kCombinationMode);
        const TextTable& photos = table("Form3", "ListView_daoru_zhaopian");
        EXPECT_EQ(Column(photos, PhotoColumn::kName), QStringList({"h1", "h2", "h3", "h4", "h5", "v1"}));
        EXPECT_EQ(Column(photos, PhotoColumn::kPlaced), QStringList(6, "完成"));

        const TextTable& used = table("Form8", "ListView_moban_shiyong");
        EXPECT_EQ(Column(used, UsedTemplateColumn::kName), QStringList({"测试横照", "测试组合", "测试横照", "测试组合"}));
        EXPECT_EQ(Column(used, UsedTemplateColumn::kMatched), QStringList(4, "已完成"));
        // The last 测试组合 takes h5, then h1 again, and the vertical photo again.
        const TextTable& slotRows = table("Form8", "ListView_moban_shiyong_canshu");
        EXPECT_EQ(Column(slotRows, SlotColumn::kPhotoRow), QStringList({"0", "1", "2", "5", "3", "4", "0", "5"}));
        EXPECT_EQ(table("Form21", "ListView_moban_beijing").rowCount(), 4);
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
        EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty());
    });
}

TEST_F(CombinationWindows, FilesWithoutAPhotoTheCombinationNeedsOpenTheDialogAgain) {
    buildTestLibrary();
    const QString v1 = photo("v1.jpg", {900, 1600});
    // Stored lying, shown upright: a vertical photo, however its stored size reads.
    const QString turned = photo("turned.jpg", {900, 1600}, 6);
    const QString h1 = photo("h1.jpg", {1600, 900});
    run([&](Form2&) {
        addWithCombinations({{v1, turned}, {h1, v1}}, [](Form41& options) { options.Button1Click(); });

        EXPECT_EQ(messages_, QStringList({"当前选中的组合模板，至少需要添加 1 张横照片,点[确定]按钮继续添加照片"}));
        EXPECT_EQ(desktop_->fileDialogPresets().size(), 2);
        EXPECT_EQ(Column(table("Form3", "ListView_daoru_zhaopian"), PhotoColumn::kName), QStringList({"h1", "v1"}));
        EXPECT_EQ(Column(table("Form8", "ListView_moban_shiyong"), UsedTemplateColumn::kName),
                  QStringList({"测试横照", "测试组合"}));
    });
}

TEST_F(CombinationWindows, ADamagedArchiveIsNamedAndTheRowsKeepTheirOwnArchives) {
    buildTestLibrary();
    QFile damaged(file("lumdata/wj_0_or_9_9/wj_0_or_9_9_1.rar"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("no layers here");
    damaged.close();
    const QStringList files = {photo("v1.jpg", {900, 1600})};
    run([&](Form2&) {
        addWithCombinations({files}, [](Form41& options) {
            EXPECT_EQ(Column(*options.ListView_zuhemoban, 0), QStringList({"模板组合 - 2"}));
            options.Button1Click();
        });
        ASSERT_EQ(messages_.size(), 1);
        EXPECT_TRUE(messages_[0].contains("wj_0_or_9_9_1.rar")) << messages_[0].toStdString();
        // Row 0 is archive 2: 测试竖照 takes the vertical photo.
        EXPECT_EQ(Column(table("Form8", "ListView_moban_shiyong"), UsedTemplateColumn::kName), QStringList({"测试竖照"}));
    });
}

TEST_F(CombinationWindows, WithoutCombinationsOnlyRandomTemplatesCanBeChosen) {
    buildTestLibrary();
    ASSERT_TRUE(QDir(file("lumdata/wj_0_or_9_9")).removeRecursively());
    const QStringList files = {photo("h1.jpg", {1600, 900})};
    run([&](Form2&) {
        addWithCombinations({files}, [](Form41& options) {
            EXPECT_EQ(options.ListView_zuhemoban->rowCount(), 0);
            options.ListView_zuhemobanClick();
            options.Button1Click();  // refused: the window stays
            EXPECT_TRUE(options.isVisible());
            options.Button2Click();
        });
        EXPECT_EQ(messages_, QStringList({"没有找到组合模板！", "没有找到组合模板！"}));
        EXPECT_EQ(table("Form3", "ListView_daoru_zhaopian").rowCount(), 1);
    });
}

}  // namespace
