#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QWidget>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

#include "platform/FlashPlayer.h"
#include "platform/Paint.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestMovies.h"

namespace {

const QColor kRed(220, 30, 30);
const QColor kGreen(30, 200, 60);

bool Near(QRgb pixel, const QColor& color, int tolerance = 16) {
    return std::abs(qRed(pixel) - color.red()) <= tolerance &&
           std::abs(qGreen(pixel) - color.green()) <= tolerance &&
           std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

// Lets the event loop run until `done` holds or `ms` pass; answers `done`.
bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Mean and standard deviation of the grey level over `area`.
std::pair<double, double> GreyStatistics(const QImage& image, const QRect& area) {
    double sum = 0, squares = 0;
    const double n = double(area.width()) * area.height();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const double g = qGray(image.pixel(x, y));
            sum += g;
            squares += g * g;
        }
    const double mean = sum / n;
    return {mean, std::sqrt(std::max(0.0, squares / n - mean * mean))};
}

// How many pixels of `color` lie on the row `y` (or the column, when `vertical`).
int CountOnLine(const QImage& image, int at, bool vertical, const QColor& color) {
    int count = 0;
    const int length = vertical ? image.height() : image.width();
    for (int i = 0; i < length; ++i)
        if (Near(vertical ? image.pixel(at, i) : image.pixel(i, at), color)) ++count;
    return count;
}

class FlashPlayerTest : public ::testing::Test {
protected:
    FlashPlayerTest() : player(&host, "ShockwaveFlash1") { resize(800, 450); }

    void resize(int w, int h) {
        host.resize(w, h);
        player.setGeometry(0, 0, w, h);
    }
    // Loads `path`, stops it on frame `frame` and answers the painted frame.
    QImage still(const QString& path, int frame = 0) {
        QString error;
        EXPECT_TRUE(player.setMovie(path, &error)) << error.toStdString();
        player.Stop();
        player.setFrameNum(frame);
        return player.paintFrame();
    }

    TempDir dir;
    QWidget host;
    FlashPlayer player;
};

// A 960 x 540 box centred on the stage lies at (200, 112) ... (600, 337) in an 800 x 450
// player; these points are just inside and just outside it.
const QPoint kInsideBox[] = {{204, 116}, {596, 116}, {204, 334}, {596, 334}, {400, 225}};
const QPoint kOutsideBox[] = {{195, 225}, {605, 225}, {400, 107}, {400, 342}};

TEST_F(FlashPlayerTest, ReportsFramesAndPaintsDifferentFramesDifferently) {
    const QString path = WriteMovie(dir, "m.json", TestMovie(30));
    const QImage first = still(path, 0);
    EXPECT_EQ(player.TotalFrames(), 30);
    EXPECT_EQ(player.objectName(), "ShockwaveFlash1");
    ASSERT_EQ(first.size(), QSize(800, 450));
    player.setFrameNum(29);
    const QImage last = player.paintFrame();
    EXPECT_EQ(player.FrameNum(), 29);
    EXPECT_NE(first, last);
    EXPECT_TRUE(Near(first.pixel(20, 20), Qt::white));       // the square starts on the left
    EXPECT_TRUE(Near(last.pixel(20, 20), kMovieBackground));
    EXPECT_TRUE(Near(last.pixel(780, 20), Qt::white));       // and ends on the right
    EXPECT_TRUE(Near(first.pixel(400, 300), kMovieBackground));
    EXPECT_EQ(qAlpha(first.pixel(400, 300)), 255);
}

TEST_F(FlashPlayerTest, FrameNumIsClampedToTheMovie) {
    still(WriteMovie(dir, "m.json", TestMovie(30)));
    player.setFrameNum(0);
    player.setFrameNum(player.TotalFrames());
    EXPECT_EQ(player.FrameNum(), 29);
    player.setFrameNum(-5);
    EXPECT_EQ(player.FrameNum(), 0);
}

TEST_F(FlashPlayerTest, PaintingTheHostBoxDrawsTheCurrentFrame) {
    const QImage frame = still(WriteMovie(dir, "m.json", TestMovie(30)), 12);
    ASSERT_FALSE(host.isVisible());
    const QImage painted = paintWidget(&host);
    for (QPoint p : {QPoint(10, 10), QPoint(400, 20), QPoint(400, 300)})
        EXPECT_EQ(painted.pixel(p), frame.pixel(p)) << p.x() << "," << p.y();
}

TEST_F(FlashPlayerTest, PictureFillsItsBoxWhateverItsPixelSize) {
    for (QSize size : {QSize(300, 169), QSize(3000, 1688), QSize(400, 225), QSize(960, 540)}) {
        SCOPED_TRACE(size.width());
        WritePicture(dir, "slot.jpg", SolidPicture(size, kRed));
        const QImage frame = still(WriteMovie(dir, "m.rar", TestMovie(10, {{"slot.jpg", {960, 540}}})));
        for (QPoint p : kInsideBox) EXPECT_TRUE(Near(frame.pixel(p), kRed)) << p.x() << "," << p.y();
        for (QPoint p : kOutsideBox)
            EXPECT_TRUE(Near(frame.pixel(p), kMovieBackground)) << p.x() << "," << p.y();
    }
}

TEST_F(FlashPlayerTest, PictureOfOtherProportionsIsShownWholeAndCentred) {
    struct Case {
        QSize picture;
        int width, height;  // in the 400 x 225 box of the player
    };
    for (const Case& c : {Case{{500, 500}, 225, 225}, Case{{1600, 400}, 400, 100}}) {
        SCOPED_TRACE(c.picture.width());
        WritePicture(dir, "slot.jpg", SolidPicture(c.picture, kGreen));
        const QImage frame = still(WriteMovie(dir, "m.rar", TestMovie(10, {{"slot.jpg", {960, 540}}})));
        EXPECT_NEAR(CountOnLine(frame, 225, false, kGreen), c.width, 2);
        EXPECT_NEAR(CountOnLine(frame, 400, true, kGreen), c.height, 2);
        EXPECT_TRUE(Near(frame.pixel(400, 225), kGreen));
        // Bands on both sides, equally wide, show what lies behind the picture.
        const int left = 200 + (400 - c.width) / 2, top = 112 + (225 - c.height) / 2;
        EXPECT_TRUE(Near(frame.pixel(left - 3, 225), kMovieBackground));
        EXPECT_TRUE(Near(frame.pixel(800 - left + 3, 225), kMovieBackground));
        EXPECT_TRUE(Near(frame.pixel(400, top - 3), kMovieBackground));
        EXPECT_TRUE(Near(frame.pixel(400, 450 - top + 3), kMovieBackground));
    }
}

TEST_F(FlashPlayerTest, FineStripesShowNoMoireAtAnyPlayerSize) {
    struct Case {
        const char* format;
        QSize loadedAt;  // the size at load; the frame is painted at 800 x 450
    };
    for (const Case& c : {Case{"PNG", {800, 450}}, Case{"JPG", {800, 450}}, Case{"PNG", {1280, 720}}}) {
        SCOPED_TRACE(std::string(c.format) + " " + std::to_string(c.loadedAt.width()));
        WritePicture(dir, "stripes.jpg", StripesPicture({1920, 1080}), c.format);
        resize(c.loadedAt.width(), c.loadedAt.height());
        ASSERT_TRUE(player.setMovie(WriteMovie(dir, "m.rar", TestMovie(10, {{"stripes.jpg", {1920, 1080}}}))));
        player.Stop();
        resize(800, 450);
        const auto [mean, deviation] = GreyStatistics(player.paintFrame(), QRect(10, 60, 780, 380));
        EXPECT_NEAR(mean, 127, 12);
        EXPECT_LT(deviation, 6);
    }
}

TEST_F(FlashPlayerTest, PictureAtItsShownSizeIsDrawnPixelForPixel) {
    // A 960 x 540 box shows at 400 x 225: stripes made at that size must survive exactly.
    WritePicture(dir, "stripes.png", StripesPicture({400, 225}), "PNG");
    const QImage frame = still(WriteMovie(dir, "m.rar", TestMovie(10, {{"stripes.png", {960, 540}}})));
    int alternations = 0;
    for (int x = 201; x < 600; ++x)
        if ((qGray(frame.pixel(x, 225)) > 127) != (qGray(frame.pixel(x - 1, 225)) > 127)) ++alternations;
    EXPECT_GE(alternations, 396);
}

TEST_F(FlashPlayerTest, MissingOrBrokenPictureShowsNothingAndTheMoviePlays) {
    dir.write("broken.jpg", QByteArray("\xff\xd8\xff\xe0") + " not really a jpeg");
    const QString path = WriteMovie(
        dir, "m.rar", TestMovie(50, {{"absent.jpg", {960, 540}}, {"broken.jpg", {480, 270}, {300, 300}}}));
    QString error;
    ASSERT_TRUE(player.setMovie(path, &error)) << error.toStdString();
    player.setFrameNum(0);
    player.Play();
    EXPECT_TRUE(WaitFor([&] { return player.FrameNum() >= 3; }));
    const QImage frame = player.paintFrame();
    EXPECT_TRUE(Near(frame.pixel(400, 225), kMovieBackground));
    EXPECT_TRUE(Near(frame.pixel(125, 125), kMovieBackground));
}

TEST_F(FlashPlayerTest, PictureFilesMayGoOnceLoadedAndNewOnesShowAtTheNextLoad) {
    const QString picture = WritePicture(dir, "slot.jpg", SolidPicture({960, 540}, kRed));
    const QString path = WriteMovie(dir, "m.rar", TestMovie(10, {{"slot.jpg", {960, 540}}}));
    ASSERT_TRUE(player.setMovie(path));
    QFile::remove(picture);
    resize(640, 360);  // prepared again, from what was read at load
    EXPECT_TRUE(Near(player.paintFrame().pixel(320, 180), kRed));
    resize(800, 450);
    WritePicture(dir, "slot.jpg", SolidPicture({960, 540}, kGreen));
    EXPECT_TRUE(Near(still(path).pixel(400, 225), kGreen));
}

TEST_F(FlashPlayerTest, EmbeddedPictureIsShown) {
    moviekit::Movie movie = TestMovie(10);
    const QString id = movie.addEmbeddedPicture("title", SolidPicture({960, 540}, kGreen));
    movie.addPictureLayer(id, 0, 10);
    const QImage frame = still(WriteMovie(dir, "m.rar", movie));
    for (QPoint p : kInsideBox) EXPECT_TRUE(Near(frame.pixel(p), kGreen)) << p.x() << "," << p.y();
    EXPECT_TRUE(Near(frame.pixel(kOutsideBox[0]), kMovieBackground));
}

TEST_F(FlashPlayerTest, HandOverPictureComesFromThePicFolderAbove) {
    // The movie's own folder has a picture_0.jpg too; only the one in pic counts.
    WritePicture(dir, "album/pic/picture_0.jpg", SolidPicture({800, 450}, kRed));
    WritePicture(dir, "album/a/b/picture_0.jpg", SolidPicture({800, 450}, kGreen));
    const QString path = WriteMovie(dir, "album/a/b/m.rar", TestMovie(10, {{"picture_0.jpg", {1920, 1080}}}));
    EXPECT_TRUE(Near(still(path).pixel(400, 300), kRed));
}

TEST_F(FlashPlayerTest, GetVariableAnswersTheMovieVariables) {
    still(WriteMovie(dir, "m.rar",
                     TestMovie(10, {}, {{"k_r_d_o_k_p_w_r_w", "k_r_d_a_b_p_w_e_o_o_kr_w_u_i"}, {"note", "说明"}})));
    EXPECT_EQ(player.GetVariable("k_r_d_o_k_p_w_r_w"), "k_r_d_a_b_p_w_e_o_o_kr_w_u_i");
    EXPECT_EQ(player.GetVariable("note"), "说明");
    EXPECT_EQ(player.GetVariable("k_r_d_p_w_t_g_r_w"), "");
}

TEST_F(FlashPlayerTest, LoadsWhateverTheExtension) {
    for (const char* name : {"wj_y_l_1.rar", "wj_0_or_2_2_d.swf", "movie", "电影.RAR"}) {
        QString error;
        EXPECT_TRUE(player.setMovie(WriteMovie(dir, name, TestMovie(7)), &error)) << name << error.toStdString();
        EXPECT_EQ(player.TotalFrames(), 7) << name;
    }
}

TEST_F(FlashPlayerTest, FileThatIsNotAMovieGivesAMessageAndAnEmptyControl) {
    const QByteArray movie = TestMovie(10, {}, {{"k", "v"}}).toBytes();
    dir.write("folder/x", "");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"text.rar", "hello, not a movie"},
        {"empty.rar", ""},
        {"object.rar", "{}"},
        {"noframes.rar", R"({"w":1920,"h":1080,"fr":25,"ip":0,"op":0,"layers":[]})"},
        {"truncated.rar", movie.left(movie.size() / 2)},
        {"binary.rar", QByteArray("\x78\x9c\x00\xff\x10\x20", 6)},
        {"zeros.rar", QByteArray(4096, '\0')},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(player.setMovie(WriteMovie(dir, "good.rar", TestMovie(10, {}, {{"k", "v"}}))));
        QString error;
        EXPECT_FALSE(player.setMovie(dir.write(c.name, c.bytes), &error)) << c.name;
        EXPECT_TRUE(error.contains("动画文件")) << c.name;
        EXPECT_EQ(player.TotalFrames(), 0) << c.name;
        EXPECT_EQ(player.GetVariable("k"), "") << c.name;
        EXPECT_TRUE(Near(player.paintFrame().pixel(400, 225), Qt::black)) << c.name;
    }
    QString error;
    EXPECT_FALSE(player.setMovie(dir.file("missing.rar"), &error));
    EXPECT_TRUE(error.contains("missing.rar"));
    EXPECT_FALSE(player.setMovie(dir.file("folder"), &error));
    EXPECT_FALSE(player.setMovie("", &error));
}

TEST_F(FlashPlayerTest, PlayAdvancesLoopsAndStopHalts) {
    ASSERT_TRUE(player.setMovie(WriteMovie(dir, "m.rar", TestMovie(6))));
    player.setFrameNum(0);
    player.Stop();
    player.Play();
    EXPECT_TRUE(player.isPlaying());
    int highest = 0;
    // Looping: the frame climbs to the last one and comes back to the start.
    EXPECT_TRUE(WaitFor([&] {
        highest = std::max(highest, player.FrameNum());
        return highest == 5 && player.FrameNum() < 5;
    }));
    player.Stop();
    const int stopped = player.FrameNum();
    WaitFor([] { return false; }, 200);
    EXPECT_EQ(player.FrameNum(), stopped);
}

}  // namespace
