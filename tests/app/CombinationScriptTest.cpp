// lumora-script over a copy of the shipped library: the sample photos added with the shipped
// seven-member combination, chosen through 系统设置 and Form41 as a person would.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "templates/Container.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/TestLibrary.h"
#include "tests/support/Tools.h"

namespace {

// The member names of a shipped combination archive, in play order, read straight from it.
QStringList MemberNames(const QString& archive) {
    QByteArray bytes = ReadBytes(archive);
    if (!StripLayers(bytes, 3)) return {};
    const auto section = ReadGbkIni(bytes).value("zuhemoban_canshu");
    QStringList names;
    for (int k = 1; k <= section.value("shuliang").toInt(); ++k)
        names.append(section.value("canshu_" + QString::number(k)).section('~', 0, 0));
    return names;
}

class CombinationScript : public ProgramFixture {};

TEST_F(CombinationScript, TheSamplePhotosFillTheSevenMemberCombinationInItsOrder) {
    CopyFolder(BinDir() + "/lumdata", file("lumdata"));
    const QStringList members = MemberNames(file("lumdata/wj_0_or_9_9/wj_0_or_9_9_3.rar"));
    ASSERT_EQ(members.size(), 7);
    QStringList photos = QDir(BinDir() + "/samples/photos").entryList({"*.jpg"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(photos.isEmpty());
    for (QString& photo : photos) photo = "\"" + BinDir() + "/samples/photos/" + photo + "\"";

    const QString script =
        "in Form18\n"
        "  pick RadioButton_moban_zuhe_shiyong\n"
        "end\n"
        "run Form2.Button28Click\n"
        "files " + photos.join(' ') + "\n"
        "in Form41\n"
        "  select ListView_zuhemoban 3\n"
        "  print field Edit_zuhemoban_mingcheng\n"
        "  pick Button1\n"
        "end\n"
        "in Form3\n"
        "  run Button2Click\n"
        "end\n"
        "run Form2.Button6Click\n"
        "print table Form3.ListView_daoru_zhaopian\n"
        "print table Form8.ListView_moban_shiyong\n"
        "print messages\n";
    const QString path = writeFile("combination.script", script.toUtf8());
    const ToolRun run = RunTool("lumora-script", {"--data", folder_->path(), "--time-limit", "30000", path}, 120000);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_FALSE(run.errors.contains("time limit")) << run.errors.toStdString();
    EXPECT_TRUE(run.output.contains("Edit_zuhemoban_mingcheng\t模板组合 - 3\n")) << run.output.toStdString();

    const QList<QStringList> added = PrintedTable(run.output, "Form3.ListView_daoru_zhaopian");
    ASSERT_EQ(added.size(), photos.size()) << run.output.toStdString();
    for (const QStringList& photo : added) EXPECT_EQ(photo.value(6), "完成") << photo.join(' ').toStdString();

    // The members in play order, then again from the first until every photo has a place.
    const QList<QStringList> used = PrintedTable(run.output, "Form8.ListView_moban_shiyong");
    ASSERT_GE(used.size(), members.size()) << run.output.toStdString();
    for (int row = 0; row < used.size(); ++row) {
        EXPECT_EQ(used[row].value(1), members[row % members.size()]) << row;
        EXPECT_EQ(used[row].value(7), "已完成") << row;
    }
    // No message: nothing was left out, every photo found its place.
    ASSERT_TRUE(run.output.contains("# messages\n"));
    EXPECT_TRUE(run.output.section("# messages\n", 1).trimmed().isEmpty()) << run.output.toStdString();
}

}  // namespace
