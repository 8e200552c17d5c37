// lumora-script over a copy of the shipped data: the sample song added through Form4, its
// lyric file through Form5, both played in Form15, with what the preview shows printed.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include "tests/app/ProgramFixture.h"
#include "tests/support/Tools.h"

namespace {

class MusicScript : public ProgramFixture {};

TEST_F(MusicScript, AddsTheSampleSongAndLyricsAndPlaysThemInThePreview) {
    CopyFolder(BinDir() + "/lumdata", file("lumdata"));
    CopyFolder(BinDir() + "/yinyuegeciwenjian", file("yinyuegeciwenjian"));
    const QString script =
        "files yinyuegeciwenjian/春日.mp3\n"
        "in Form4\n"
        "  run Button2Click\n"
        "end\n"
        "run Form2.Button4Click\n"
        "print table Form2.ListView_daoru_yinyue\n"
        "files yinyuegeciwenjian/春日.lrc\n"
        "in Form5\n"
        "  run Button2Click\n"
        "end\n"
        "run Form2.Button7Click\n"
        "in Form15\n"
        "  pick ComboBox_yinyue 春日\n"
        "  pick ComboBox_geci 春日\n"
        "  print label Label_xianshi_zongshijian\n"
        "  run Button1Click\n"
        "  print list ComboBox_yinyue\n"
        "  wait 5600\n"
        "  print label Label_dangqianshijian\n"
        "  print label Label_LRC\n"
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
    const QString out = run.output;
    EXPECT_TRUE(out.contains("Form15.Label_xianshi_zongshijian\t01:10\t")) << out.toStdString();
    EXPECT_TRUE(out.contains("# ComboBox_yinyue (locked)\n* 春日\n")) << out.toStdString();
    EXPECT_TRUE(out.contains("Form15.Label_dangqianshijian\t00:05\t")) << out.toStdString();
    // The first phrase's line, bold white, 335 pixels from the top of the screen.
    EXPECT_TRUE(out.contains(QRegularExpression("Form15.Label_LRC\t春风吹过窗前的小路\t\\d+,335 .*bold\t#ffffff\n")))
        << out.toStdString();
    EXPECT_TRUE(out.contains("Form15.Label_dangqianshijian\t00:00\t")) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("00:00\t[^\n]*\n# ComboBox_yinyue\n\\* 春日\n"))) << out.toStdString();
    EXPECT_TRUE(run.output.endsWith("# messages\n")) << run.output.toStdString();
}

}  // namespace
