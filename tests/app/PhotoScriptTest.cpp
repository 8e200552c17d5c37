// lumora-script over a copy of the shipped library: photos of every shape added through
// Form3, and the album's tables printed.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "tests/app/ProgramFixture.h"
#include "tests/support/TestJpeg.h"
#include "tests/support/Tools.h"

namespace {

class PhotoScript : public ProgramFixture {};

TEST_F(PhotoScript, AddsPhotosOfEveryShapeToTheShippedLibraryAndPlacesThemAll) {
    CopyFolder(BinDir() + "/lumdata", file("lumdata"));
    QDir().mkpath(file("photos"));
    TestJpegOptions turned;
    turned.orientation = 6;
    WriteTestJpeg(file("photos/landscape1.jpg"), {1600, 1200});
    WriteTestJpeg(file("photos/portrait1.jpg"), {900, 1600});
    WriteTestJpeg(file("photos/square.jpg"), {1000, 1000});
    WriteTestJpeg(file("photos/turned.jpg"), {1200, 1600}, turned);
    WriteTestJpeg(file("photos/landscape2.jpg"), {1920, 1080});
    WriteTestJpeg(file("photos/portrait2.jpg"), {1080, 1920});
    const QString script =
        "files photos/landscape1.jpg photos/portrait1.jpg photos/square.jpg photos/turned.jpg "
        "photos/landscape2.jpg photos/portrait2.jpg\n"
        "in Form3\n"
        "  run Button2Click\n"
        "end\n"
        "run Form2.Button6Click\n"
        "in Form21\n"
        "  select ListView_moban_beijing 1\n"
        "  print field Edit_weizhi\n"
        "end\n"
        "run Form2.Button48Click\n"
        "print table Form3.ListView_daoru_zhaopian\n"
        "print table Form8.ListView_moban_shiyong\n"
        "print table Form8.ListView_moban_shiyong_canshu\n"
        "print table Form21.ListView_moban_beijing\n"
        "print messages\n";
    const QString path = writeFile("photos.script", script.toUtf8());
    const ToolRun run = RunTool("lumora-script", {"--data", folder_->path(), "--time-limit", "30000", path}, 120000);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_FALSE(run.errors.contains("time limit")) << run.errors.toStdString();

    const QList<QStringList> photos = PrintedTable(run.output, "Form3.ListView_daoru_zhaopian");
    ASSERT_EQ(photos.size(), 6) << run.output.toStdString();
    for (const QStringList& photo : photos) EXPECT_EQ(photo.value(6), "完成") << photo.join(' ').toStdString();
    EXPECT_EQ(photos[3].mid(1, 4), QStringList({"turned", ".jpg", "1200", "1600"}));

    const QList<QStringList> used = PrintedTable(run.output, "Form8.ListView_moban_shiyong");
    ASSERT_FALSE(used.isEmpty());
    for (const QStringList& row : used) EXPECT_EQ(row.value(7), "已完成") << row.join(' ').toStdString();

    const QList<QStringList> slotRows = PrintedTable(run.output, "Form8.ListView_moban_shiyong_canshu");
    ASSERT_FALSE(slotRows.isEmpty());
    for (const QStringList& slot : slotRows) {
        EXPECT_EQ(slot.value(11), "yi_pipei") << slot.join(' ').toStdString();
        EXPECT_FALSE(slot.value(18).isEmpty()) << slot.join(' ').toStdString();  // cropped
    }
    const QList<QStringList> backgrounds = PrintedTable(run.output, "Form21.ListView_moban_beijing");
    EXPECT_EQ(backgrounds.size(), used.size());
    for (const QStringList& row : backgrounds) EXPECT_FALSE(row.value(8).isEmpty());
    // Clicking the first background row shows its picture's details.
    EXPECT_TRUE(run.output.contains("Edit_weizhi\t" + backgrounds.value(0).value(8) + "\n"))
        << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("# messages\n")) << run.output.toStdString();
    EXPECT_FALSE(run.output.contains("没有找到可以使用的模板")) << run.output.toStdString();
}

}  // namespace
