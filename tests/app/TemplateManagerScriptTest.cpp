// lumora-script and the template manager: an album built by hand from a copy of the
// shipped library (two templates, a photo dropped into every frame) and made as a VCD; and
// the drop verb's words.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "platform/VideoInfo.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/Tools.h"

namespace {

// The rows of the printed table `name` (without its caption line): the lines after it with
// as many columns as the captions.
QList<QStringList> PrintedTableOfWidth(const QString& output, const QString& name) {
    const QStringList lines = output.split('\n');
    QList<QStringList> rows;
    int line = int(lines.indexOf("# " + name));
    if (line < 0) return rows;
    const qsizetype columns = lines.value(line + 1).split('\t').size();
    for (line += 2; line < lines.size() && lines[line].split('\t').size() == columns; ++line)
        rows.append(lines[line].split('\t'));
    return rows;
}

// The printed lines under "# name", up to the next "#" line.
QStringList PrintedLines(const QString& output, const QString& name) {
    const QStringList lines = output.split('\n');
    QStringList found;
    for (int line = int(lines.indexOf("# " + name)) + 1; line > 0 && line < lines.size() && !lines[line].startsWith('#');
         ++line)
        if (!lines[line].isEmpty()) found.append(lines[line]);
    return found;
}

class TemplateManagerScript : public ProgramFixture {
protected:
    ToolRun runScript(const QString& name, const QString& script) {
        const QString path = writeFile(name, script.toUtf8());
        return RunTool("lumora-script", {"--data", folder_->path(), "--time-limit", "60000", path}, 300000);
    }
};

TEST_F(TemplateManagerScript, AnAlbumBuiltByHandFromTheShippedLibraryIsMadeAsAVcd) {
    CopyFolder(BinDir() + "/lumdata", file("lumdata"));
    const ToolRun listing =
        runScript("list.script", "print table Form8.ListView_moban\nprint table Form2.ListView_mobancanshu\n");
    ASSERT_EQ(listing.exitCode, 0) << listing.errors.toStdString();
    // Two templates of the shipped library: two horizontal places and one vertical, and
    // two horizontal places.
    int mixed = 0, pair = 0;
    const QList<QStringList> library = PrintedTableOfWidth(listing.output, "Form8.ListView_moban");
    for (int row = 0; row < library.size(); ++row) {
        const QStringList& t = library[row];
        if (!mixed && t.value(3) == "2" && t.value(4) == "1") mixed = row + 1;
        if (!pair && t.value(3) == "2" && t.value(4) == "0") pair = row + 1;
    }
    ASSERT_TRUE(mixed && pair) << listing.output.toStdString();

    const QString photos = BinDir() + "/samples/photos/";
    QDir().mkpath(file("out"));
    const QString script =
        "files \"" + photos + "01-晨曦湖面.jpg\" \"" + photos + "02-雪山松林.jpg\" \"" + photos + "03-花田.jpg\" \"" +
        photos + "10-樱花.jpg\"\n"
        "in Form3\n"
        "  run Button2Click\n"
        "end\n"
        "run Form2.Button6Click\n"
        "answer yes\n"
        "in Form8\n"
        "  run Button5Click\n"
        "  select ListView_moban " + QString::number(mixed) + "\n"
        "  run Button1Click\n"
        "  select ListView_moban " + QString::number(pair) + "\n"
        "  run Button1Click\n"
        "  select ListView_moban_shiyong 1\n"
        "  drop 4 1\n"   // a vertical photo on a horizontal frame: refused
        "  drop 1 1\n"
        "  drop 2 2\n"
        "  drop 4 3\n"
        "  select ListView_moban_shiyong 2\n"
        "  drop 3 1\n"
        "  drop 1 2\n"
        "end\n"
        "run Form2.Button11Click\n"
        "print table Form8.ListView_moban_shiyong\n"
        "print table Form8.ListView_moban_shiyong_canshu\n"
        "folder out\n"
        "in Form24\n"
        "  set Edit_xiangce_mingcheng 手工相册\n"
        "  pick ComboBox_xuanze_shuchu_chicun \"320 × 176\"\n"
        "  run ComboBox_xuanze_shuchu_chicunChange\n"
        "  run Button2Click\n"
        "end\n"
        "run Form2.Button12Click\n"
        "print field Form25.Edit_zhizuo_zongzhen_sum\n"
        "print messages\n";
    const ToolRun run = runScript("by-hand.script", script);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString() << run.output.toStdString();
    EXPECT_FALSE(run.errors.contains("time limit")) << run.errors.toStdString();

    const QList<QStringList> used = PrintedTableOfWidth(run.output, "Form8.ListView_moban_shiyong");
    ASSERT_EQ(used.size(), 2) << run.output.toStdString();
    EXPECT_EQ(used[0].value(1), library[mixed - 1].value(1));
    EXPECT_EQ(used[1].value(1), library[pair - 1].value(1));
    for (const QStringList& t : used) EXPECT_EQ(t.value(7), "已完成") << t.join(' ').toStdString();
    // Every slot holds the photo dropped on its frame (photo rows are 0-based).
    QStringList slotPhotos;
    for (const QStringList& slot : PrintedTableOfWidth(run.output, "Form8.ListView_moban_shiyong_canshu"))
        slotPhotos.append(slot.value(12));
    EXPECT_EQ(slotPhotos, QStringList({"0", "1", "3", "2", "0"}));
    EXPECT_EQ(PrintedLines(run.output, "messages"),
              QStringList({"加载照片文件完成！", "已经使用的模板文件已经全部删除！", "此处需要一张横照片！"}));

    // The making's own account of the album: both templates and the closing movie.
    const qint64 total = run.output.section("Form25.Edit_zhizuo_zongzhen_sum\t", 1).section('\n', 0, 0).toLongLong();
    qint64 frames = 150;
    for (const QStringList& parameters : PrintedTableOfWidth(listing.output, "Form2.ListView_mobancanshu"))
        for (const QStringList& t : used)
            if (parameters.value(9) == t.value(0)) frames += parameters.value(10).toLongLong();
    EXPECT_EQ(total, frames);
    const VideoFileInfo info = ReadVideoInfo(file("out/手工相册.mpg"));
    ASSERT_TRUE(info.ok()) << run.output.toStdString();
    ASSERT_EQ(info.CountStreams(true), 1);
    ASSERT_EQ(info.CountStreams(false), 1);
    const VideoStreamInfo& video = *info.First(true);
    EXPECT_EQ(video.codec, "mpeg1video");
    EXPECT_EQ(video.width, 320);
    EXPECT_EQ(video.height, 176);
    EXPECT_EQ(video.rateNum, 25 * video.rateDen);
    EXPECT_NEAR(video.seconds, total / 25.0, 0.04 + 1e-9);
    EXPECT_NEAR(info.First(false)->seconds, video.seconds, 0.1);
}

TEST_F(TemplateManagerScript, DropTakesAPhotoAndAFrameNumberFromOneInsideTheTemplateManager) {
    addLibrary(1);
    const ToolRun wrong = runScript("wrong.script", "in Form8\n  drop 0 1\nend\n");
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.errors.contains("line 2: drop takes a photo number and a frame number, from 1"))
        << wrong.errors.toStdString();
    const ToolRun outside = runScript("outside.script", "drop 1 1\n");
    EXPECT_EQ(outside.exitCode, 1);
    EXPECT_TRUE(outside.errors.contains("line 1: drop needs the template manager open (in Form8)"))
        << outside.errors.toStdString();
}

}  // namespace
