// lumora-script: the real program run from a script over a test library.

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

#include "tests/app/ProgramFixture.h"
#include "tests/support/Tools.h"

namespace {
class ScriptTool : public ProgramFixture {
protected:
    ToolRun runScript(const QString& script) {
        const QString path = writeFile("test.script", script.toUtf8());
        return RunTool("lumora-script", {"--data", folder_->path(), "--time-limit", "20000", path});
    }
};

TEST_F(ScriptTool, StartsTheProgramRunsACommandAndPrintsTablesFieldsAndMessages) {
    addLibrary(2);
    const ToolRun run = runScript(
        "# the template manager needs photos first\n"
        "run Form2.Button11Click\n"
        "set Form2.Edit_tuichu bofang_kaishi\n"
        "run Form2.Button6Click\n"
        "print field Form2.Edit_tuichu\n"
        "print table Form8.ListView_moban\n"
        "print messages\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList lines = run.output.split('\n');
    const int table = int(lines.indexOf("# Form8.ListView_moban"));
    ASSERT_GE(table, 0) << run.output.toStdString();
    EXPECT_EQ(lines.value(table + 1), "序号\t模板\t类型\t横照片\t竖照片\t时长\t分类");
    EXPECT_TRUE(lines.value(table + 2).startsWith("0\t模板1\t")) << run.output.toStdString();
    EXPECT_TRUE(lines.value(table + 3).startsWith("1\t模板2\t")) << run.output.toStdString();
    EXPECT_TRUE(lines.contains("Form2.Edit_tuichu\tbofang_kaishi"));
    const int messages = int(lines.indexOf("# messages"));
    ASSERT_GE(messages, 0);
    EXPECT_EQ(lines.mid(messages + 1, 2),
              QStringList({"没有添加照片文件！使用模板管理功能,至少添加一张照片文件！",
                           "正在播放相册,点停止按钮后,再操作！"}));
}

TEST_F(ScriptTool, ActsInsideAModalWindowAndAnswersQuestionsAndDialogs) {
    addLibrary(1);
    const ToolRun run = runScript(
        "in Form18\n"
        "  print field Form2.Edit_tuichu\n"
        "end\n"
        "run Form2.Button28Click\n"
        "in Form16\n"
        "  run Button2Click\n"
        "end\n"
        "run Form2.Button3Click\n"
        "print modals\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.output.contains("Form2.Edit_tuichu\tbofang_tingzhi\n"));
    // Form18 shown and closed by the block, the exit cancelled in Form16, then the
    // driver's own exit at the end.
    EXPECT_TRUE(run.output.contains("# modals\nForm2\nForm18\nForm16\n")) << run.output.toStdString();
    EXPECT_FALSE(run.errors.contains("time limit")) << run.errors.toStdString();
}

TEST_F(ScriptTool, AFaultyStepIsNamedAndEndsTheRunWithStatusOne) {
    addLibrary(1);
    const ToolRun bad = runScript("run Form2.Button99Click\necho not reached\n");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.errors.contains("line 1: no handler Button99Click in Form2")) << bad.errors.toStdString();
    EXPECT_FALSE(bad.output.contains("not reached"));

    const ToolRun unreadable = runScript("in Form3\nrun Button1Click\n");
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_TRUE(unreadable.errors.contains("line 1: in without end")) << unreadable.errors.toStdString();
}

// A program that ends before its main window is open (no library), or while it opens (a
// start-up archive of the wrong size), runs no step and ends with status 2.
TEST_F(ScriptTool, AProgramThatEndsBeforeItsMainWindowIsOpenEndsWithStatusTwo) {
    const struct {
        const char* what;
        std::function<void(ProgramFixture&)> library;
    } cases[] = {
        {"no library", [](ProgramFixture&) {}},
        {"a start-up archive one byte short",
         [](ProgramFixture& f) {
             f.addLibrary(1);
             f.addStartupArchive("k_r_d_p_w_e_o_t_g_r_w_u_i", 29953);
         }},
    };
    for (const auto& c : cases) {
        freshStart();
        c.library(*this);
        const ToolRun run = runScript("echo hello\n");
        EXPECT_EQ(run.exitCode, 2) << c.what;
        EXPECT_TRUE(run.errors.contains("ended before its main window opened")) << c.what << ": "
                                                                              << run.errors.toStdString();
        EXPECT_FALSE(run.output.contains("hello")) << c.what;
    }
}
}  // namespace
