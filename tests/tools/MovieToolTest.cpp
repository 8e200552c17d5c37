#include <QImage>
#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "tests/support/TestMovies.h"
#include "tests/support/Tools.h"

namespace {

TEST(MovieTool, InfoListsFramesStageVariablesAndPictures) {
    TempDir dir;
    const QString movie = WriteMovie(
        dir, "wj_y_l_1.rar",
        TestMovie(125, {{"wj_y_l_b_j.jpg", {1920, 1080}}, {"1.jpg", {960, 540}}},
                  {{"k_r_d_o_k_p_w_r_w", "k_r_d_a_b_p_w_e_o_o_kr_w_u_i"}}));
    const ToolRun run = RunTool("lumora-movie", {"info", movie});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList lines = run.output.trimmed().split('\n');
    EXPECT_EQ(lines, QStringList({"frames: 125", "stage: 1920x1080", "frame rate: 25",
                                  "variable k_r_d_o_k_p_w_r_w = k_r_d_a_b_p_w_e_o_o_kr_w_u_i",
                                  "picture img_0 wj_y_l_b_j.jpg 1920x1080",
                                  "picture img_1 1.jpg 960x540"}));
}

TEST(MovieTool, RendersChosenFramesWithPicturesFromAFolder) {
    TempDir dir;
    const QString movie = WriteMovie(
        dir, "movie/m.rar", TestMovie(20, {{"picture_0.jpg", {1920, 1080}}, {"1.jpg", {960, 540}}}));
    WritePicture(dir, "pictures/1.jpg", SolidPicture({960, 540}, Qt::red));
    WritePicture(dir, "pictures/picture_0.jpg", SolidPicture({960, 540}, Qt::green));
    const ToolRun run = RunTool("lumora-movie", {"render", movie, "--pictures", dir.file("pictures"),
                                                 "--size", "800x450", "--frames", "0,mid,last",
                                                 "--out", dir.file("out/f")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.output.trimmed().split('\n').size(), 3);
    for (const char* name : {"out/f0.png", "out/f10.png", "out/f19.png"}) {
        const QImage frame(dir.file(name));
        ASSERT_EQ(frame.size(), QSize(800, 450)) << name;
        // Both pictures come from the folder, the hand-over picture too.
        EXPECT_GT(qRed(frame.pixel(400, 225)), 200) << name;
        EXPECT_GT(qGreen(frame.pixel(100, 300)), 200) << name;
    }
    EXPECT_NE(QImage(dir.file("out/f0.png")), QImage(dir.file("out/f19.png")));
}

TEST(MovieTool, FailsCleanlyOnBadInput) {
    TempDir dir;
    const QString movie = WriteMovie(dir, "m.rar", TestMovie(20));
    const QString text = dir.write("text.rar", "not a movie");
    const struct {
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {{}, 2},
        {{"play", movie}, 2},
        {{"info"}, 2},
        {{"info", text}, 1},
        {{"info", dir.file("missing.rar")}, 1},
        {{"render", movie}, 2},                                         // no --out
        {{"render", movie, "--size", "800", "--out", dir.file("x")}, 2},
        {{"render", movie, "--bogus", "1", "--out", dir.file("x")}, 2},
        {{"render", movie, "--out"}, 2},
        {{"render", text, "--out", dir.file("x")}, 1},
        {{"render", movie, "--frames", "20", "--out", dir.file("x")}, 1},
        {{"render", movie, "--frames", "0,first", "--out", dir.file("x")}, 1},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool("lumora-movie", c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains("lumora-movie")) << c.arguments.join(' ').toStdString();
    }
}

}  // namespace
