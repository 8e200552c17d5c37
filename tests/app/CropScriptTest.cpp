// lumora-script over the test library: a crop moved in Form9 and saved reaches the slot
// picture the preview folders are built with; clicking and dragging in the main window.

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include "tests/app/ProgramFixture.h"
#include "tests/support/TestJpeg.h"
#include "tests/support/TestLibrary.h"
#include "tests/support/Tools.h"

namespace {

class CropScript : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        const TestLibrary library = BuildTestLibrary(folder_->path());
        ASSERT_TRUE(library.ok) << library.error.toStdString();
        QDir().mkpath(file("photos"));
    }
    ToolRun runScript(const QString& script) {
        const QString path = writeFile("crop.script", script.toUtf8());
        return RunTool("lumora-script", {"--data", folder_->path(), "--time-limit", "30000", path}, 120000);
    }
};

// The first row, from the top, at which column `x` of the picture turns from red to blue.
int RedEnds(const QImage& picture, int x) {
    for (int y = 0; y < picture.height(); ++y) {
        const QColor c = picture.pixelColor(x, y);
        if (c.blue() > c.red()) return y;
    }
    return picture.height();
}

const char* kAddPhoto =
    "files photos/wide.jpg\n"
    "in Form3\n"
    "  run Button2Click\n"
    "end\n"
    "run Form2.Button6Click\n";
// The slot picture of the first used template, as the preview build writes it.
const char* kSlotPicture = "lumdata/wj_y_l/wj_y_l/wj_y_l/wj_y_l/wj_y_l_1/xp_1.jpg";

TEST_F(CropScript, AMovedAndSavedCropReachesTheSlotPictureOfThePreview) {
    // The upright picture is red in its top-left quadrant: where red ends down the left
    // side of the slot picture shows where the photo lies in its slot.
    WriteTestJpeg(file("photos/wide.jpg"), {1600, 1200});
    const QString script = QString(kAddPhoto) +
                           "play\n"
                           "copy " + kSlotPicture + " before.jpg\n"
                           "run Form2.Button18Click\n"
                           "in Form9\n"
                           "  select ListView_zhaopian_wenjian 1\n"
                           "  click Button_fangda\n"
                           "  drag Image_load 0 -60\n"
                           "  print place Image_load\n"
                           "  click Button_baocun\n"
                           "end\n"
                           "run Form2.Button10Click\n"
                           "print table Form8.ListView_moban_shiyong_canshu\n"
                           "play\n"
                           "copy " + kSlotPicture + " after.jpg\n"
                           "run Form2.Button18Click\n"
                           "print messages\n";
    const ToolRun run = runScript(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    // Zoomed in to 880 x 660 (centred at -40, -105), then 60 up.
    EXPECT_TRUE(run.output.contains("Form9.Image_load\t-40,-165 880x660\n")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("\tquanping_or_jubuquanping\t")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("# messages\n保存剪裁完成！\n")) << run.output.toStdString();

    const QImage before(file("before.jpg"));
    const QImage after(file("after.jpg"));
    ASSERT_FALSE(before.isNull());
    ASSERT_EQ(after.size(), before.size());
    // Before: the photo 1440 high in the 1080 frame, red down to 720 of 1080.
    EXPECT_NEAR(RedEnds(before, 100), 720 * before.height() / 1080, 6);
    // After: 1584 high from 396 above the frame: red ends 396 frame rows from the top.
    EXPECT_NEAR(RedEnds(after, 100), 396 * after.height() / 1080, 6);
}

TEST_F(CropScript, ClicksACellZoomsAndDragsTheLargePhoto) {
    WriteTestJpeg(file("photos/wide.jpg"), {1600, 1200});
    const ToolRun run = runScript(QString(kAddPhoto) +
                                  "click Form2.Image1\n"
                                  "print field Form2.Edit_hangshu\n"
                                  "pick Form2.Button41\n"
                                  "print place Form2.Image_zhujiemian\n"
                                  "drag Form2.Image_zhujiemian 30 -20\n"
                                  "print place Form2.Image_zhujiemian\n"
                                  "click Form2.Image2 double\n"
                                  "print messages\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.output.contains("Form2.Edit_hangshu\t0\n")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("Form2.Image_zhujiemian\t-37,-102 874x655\n")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("Form2.Image_zhujiemian\t-7,-122 874x655\n")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("# messages\n")) << run.output.toStdString();
    EXPECT_FALSE(run.output.contains("没有")) << run.output.toStdString();  // the empty cell says nothing
}

}  // namespace
