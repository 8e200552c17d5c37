// lumora-script over a copy of the shipped data: the sample song added through Form4 and
// played in Form15, with what the preview shows printed.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "tests/app/ProgramFixture.h"
#include "tests/support/Tools.h"

namespace {

void CopyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

class MusicScript : public ProgramFixture {};

TEST_F(MusicScript, AddsTheSampleSongAndPlaysItInThePreview) {
    CopyFolder(BinDir() + "/lumdata", file("lumdata"));
    CopyFolder(BinDir() + "/yinyuegeciwenjian", file("yinyuegeciwenjian"));
    const QString script =
        "files yinyuegeciwenjian/春日.mp3\n"
        "in Form4\n"
        "  run Button2Click\n"
        "end\n"
        "run Form2.Button4Click\n"
        "print table Form2.ListView_daoru_yinyue\n"
        "in Form15\n"
        "  choose ComboBox_yinyue 春日\n"
        "  print label Label_xianshi_zongshijian\n"
        "  run Button1Click\n"
        "  print list ComboBox_yinyue\n"
        "  wait 2200\n"
        "  print label Label_dangqianshijian\n"
        "  run Button2Click\n"
        "  print label Label_dangqianshijian\n"
        "  print list ComboBox_yinyue\n"
        "end\n"
        "run Form2.ListView_daoru_yinyueDblClick\n"
        "print messages\n";
    const QString path = writeFile("music.script", script.toUtf8());
    const ToolRun run = RunTool("lumora-script", {"--data", folder_->path(), "--time-limit", "20000", path});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.output.contains("# Form2.ListView_daoru_yinyue\n序号\t音乐\t时间长度\n1\t春日\t00:01:10\n"))
        << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("Label_xianshi_zongshijian\t01:10\n")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("# ComboBox_yinyue (locked)\n* 春日\n")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("Label_dangqianshijian\t00:02\nLabel_dangqianshijian\t00:00\n# ComboBox_yinyue\n* 春日\n"))
        << run.output.toStdString();
    EXPECT_TRUE(run.output.endsWith("# messages\n")) << run.output.toStdString();
}

}  // namespace
