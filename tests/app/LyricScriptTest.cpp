// lumora-script with lyric files: adding, choosing in the settings window, printing.

#include <gtest/gtest.h>

#include "platform/GbkText.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/Tools.h"

namespace {
class LyricScript : public ProgramFixture {};

TEST_F(LyricScript, AddsALyricFileChangesItsSettingsAndPrintsThem) {
    addLibrary(1);
    writeFile("songs/春日.lrc", EncodeGbk(QString::fromUtf8("[ti:春日]\r\n[00:01.00]春风\r\n")));
    const QString script = QString::fromUtf8(
        "files songs/春日.lrc\n"
        "in Form5\n"
        "  run Button2Click\n"
        "  select ListView_daoru_LRC 1\n"
        "  in Form23\n"
        "    pick RadioButton_zidingyi\n"
        "    pick ComboBox_geci_zixing \"粗体 倾斜\"\n"
        "    pick TrackBar_geci_y 120\n"
        "    pick TrackBar_geci_x 30\n"
        "    print label Label_LRC\n"
        "    run Button1Click\n"
        "  end\n"
        "  run Button11Click\n"
        "end\n"
        "run Form2.Button7Click\n"
        "print table Form2.ListView_daoru_geci\n"
        "print table Form5.ListView_geci_shezhi_canshu\n");
    const QString path = writeFile("lyrics.script", script.toUtf8());
    const ToolRun run = RunTool("lumora-script", {"--data", folder_->path(), "--time-limit", "20000", path});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList lines = run.output.split('\n');
    EXPECT_TRUE(run.output.contains(QString::fromUtf8("Form23.Label_LRC\t此处显示歌词内容\t30,120 ")))
        << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(" 13px bold italic\t#ffffff")) << run.output.toStdString();
    const int summary = int(lines.indexOf("# Form2.ListView_daoru_geci"));
    ASSERT_GE(summary, 0) << run.output.toStdString();
    EXPECT_EQ(lines.value(summary + 2), QString::fromUtf8("1\t春日\t.lrc"));
    const int settings = int(lines.indexOf("# Form5.ListView_geci_shezhi_canshu"));
    ASSERT_GE(settings, 0);
    EXPECT_EQ(lines.value(settings + 2).split('\t').mid(4, 8),
              QStringList({"zidingyi_xianshi", "335", "30", "120", QString::fromUtf8("黑体"), "cutixieti", "10", "wu"}));
    EXPECT_FALSE(run.errors.contains("time limit")) << run.errors.toStdString();
}
}  // namespace
