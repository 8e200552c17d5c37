// The plans of a making: template plan, frame total, song plan.

#include <gtest/gtest.h>

#include "photos/SlotTable.h"
#include "platform/TextTable.h"
#include "production/MakingPlan.h"
#include "templates/TemplateTables.h"

namespace {

// A parameter table holding templates 0 ... n-1 with the given frame counts.
void FillParameters(TextTable& parameters, const QList<int>& frames) {
    for (int i = 0; i < frames.size(); ++i) {
        QStringList cells(ParameterTable::Col::ColumnCount);
        cells[ParameterTable::Col::Index] = QString::number(i);
        cells[ParameterTable::Col::Frames] = QString::number(frames[i]);
        cells[ParameterTable::Col::Name] = QStringLiteral("模板%1").arg(i);
        parameters.addRow(cells);
    }
}

void AddUsed(TextTable& used, int templateIndex, const QString& matched) {
    QStringList cells(9);
    cells[UsedTemplateColumn::kTemplateIndex] = QString::number(templateIndex);
    cells[UsedTemplateColumn::kName] = QStringLiteral("模板%1").arg(templateIndex);
    cells[UsedTemplateColumn::kMatched] = matched;
    cells[UsedTemplateColumn::kNumber] = QString::number(used.rowCount() + 1);
    used.addRow(cells);
}

}  // namespace

TEST(MakingPlanTest, OneTemplateOfHundredFramesWithoutMusicMakesTwoHundredFifty) {
    TextTable parameters(ParameterTable::Captions()), used(UsedTemplateTableCaptions());
    FillParameters(parameters, {100});
    AddUsed(used, 0, kTemplateComplete);
    TextTable plan(TemplatePlanCaptions());
    plan.setRows(BuildTemplatePlan(used));
    EXPECT_EQ(PlannedFrames(plan, parameters), 250);
    EXPECT_TRUE(PlanSongs({}, 250).isEmpty());
}

TEST(MakingPlanTest, OnlyCompletedTemplatesArePlannedAndKeepTheirUsedRow) {
    TextTable parameters(ParameterTable::Captions()), used(UsedTemplateTableCaptions());
    FillParameters(parameters, {100, 60, 40});
    AddUsed(used, 2, kTemplateComplete);
    AddUsed(used, 1, kTemplateIncomplete);
    AddUsed(used, 0, kTemplateComplete);
    TextTable plan(TemplatePlanCaptions());
    plan.setRows(BuildTemplatePlan(used));
    ASSERT_EQ(plan.rowCount(), 2);
    EXPECT_EQ(plan.cell(0, TemplatePlanColumn::kTemplateIndex), "2");
    EXPECT_EQ(plan.cell(0, TemplatePlanColumn::kUsedRow), "0");
    EXPECT_EQ(plan.cell(1, TemplatePlanColumn::kUsedRow), "2");
    EXPECT_EQ(plan.cell(1, TemplatePlanColumn::kMatched), kTemplateComplete);
    EXPECT_EQ(plan.cell(1, 8), "3");  // 编号
    EXPECT_EQ(PlannedFrames(plan, parameters), 40 + 100 + 150);
    // Nothing completed: only the closing movie would remain.
    TextTable none(TemplatePlanCaptions());
    EXPECT_EQ(PlannedFrames(none, parameters), 150);
}

TEST(MakingPlanTest, SongFramesCountWholeSeconds) {
    const struct { qint64 ms, frames; } cases[] = {
        {30999, 750}, {30000, 750}, {999, 0}, {1000, 25}, {0, 0}, {40000, 1000},
    };
    for (const auto& c : cases) EXPECT_EQ(SongFrames(c.ms), c.frames) << c.ms;
}

TEST(MakingPlanTest, SongsRepeatFromTheFirstUntilTheyCoverTheAlbum) {
    const auto plan = PlanSongs({SongFrames(30000), SongFrames(40000)}, 2500);
    ASSERT_EQ(plan.size(), 3);
    EXPECT_EQ(plan[0].musicRow, 0);
    EXPECT_EQ(plan[0].frames, 750);
    EXPECT_EQ(plan[1].musicRow, 1);
    EXPECT_EQ(plan[1].frames, 1000);
    EXPECT_EQ(plan[2].musicRow, 0);
    EXPECT_EQ(plan[2].frames, 750);
    // Exactly covered: no further song.
    EXPECT_EQ(PlanSongs({750, 1000}, 1750).size(), 2);
    // A song longer than the album is planned once.
    EXPECT_EQ(PlanSongs({5000}, 250).size(), 1);
}

TEST(MakingPlanTest, SongsShorterThanASecondAreLeftOutAndNeverLoopForEver) {
    const auto plan = PlanSongs({0, 500}, 1200);
    ASSERT_EQ(plan.size(), 3);
    for (const auto& entry : plan) EXPECT_EQ(entry.musicRow, 1);
    EXPECT_TRUE(PlanSongs({0, 0}, 1200).isEmpty());
}

TEST(MakingPlanTest, MusicPlanRowCarriesTheSongAndItsFrames) {
    TextTable music({"序号", "音乐名称", "格式", "音乐时长", "位置"});
    music.addRow({"1", "a", "MP3", "00:30", "/m/a.mp3"});
    music.addRow({"2", "b", "MP3", "00:40", "/m/b.mp3"});
    TextTable plan(MusicPlanCaptions());
    plan.addRow(MusicPlanRow(music, {1, 1000}));
    EXPECT_EQ(MusicPlanPath(plan, 0), "/m/b.mp3");
    EXPECT_EQ(MusicPlanRowOfSong(plan, 0), 1);
    EXPECT_EQ(MusicPlanFrames(plan, 0), 1000);
    EXPECT_EQ(plan.cell(0, MusicPlanColumn::kName), "b");
}

#include "production/AlbumName.h"

TEST(AlbumNameTest, OnlyPlainFileNamesAreAccepted) {
    for (const QString& good : QStringList{"我的相册", "album 2026", "a.b", "夏天-1"})
        EXPECT_TRUE(AlbumNameProblem(good).isEmpty()) << good.toStdString();
    for (const QString& bad : QStringList{"", "   ", "a/b", "a\\b", "..", "x..y", QString("a") + QChar(7), "a:b",
                              "a?", "name.", "name ", QString(201, 'x'), "../evil"})
        EXPECT_FALSE(AlbumNameProblem(bad).isEmpty()) << bad.toStdString();
}
