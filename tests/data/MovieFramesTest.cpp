// Every movie of the shipped library is a real animation: played by the movie player with
// test pictures in its slots, its frames change, it starts from the hand-over picture and
// shows no blank frame.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>
#include <cmath>

#include "platform/FlashPlayer.h"
#include "platform/Jpeg.h"
#include "templates/Container.h"
#include "tests/support/TempDir.h"
#include "tests/support/Tools.h"
#include "tools/databuild/FrameRender.h"
#include "tools/databuild/SamplePhotos.h"

namespace {

const QSize kFrame(320, 180);

// Mean absolute difference of two pictures of the same size, 0 ... 255.
double Difference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32).scaled(x.size());
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

// Standard deviation of the grey values: near 0 for a blank frame.
double Spread(const QImage& image) {
    const QImage g = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0, squares = 0;
    const double n = double(g.width()) * g.height();
    for (int row = 0; row < g.height(); ++row)
        for (int col = 0; col < g.width(); ++col) {
            const double v = g.constScanLine(row)[col];
            sum += v;
            squares += v * v;
        }
    return std::sqrt(std::max(0.0, squares / n - (sum / n) * (sum / n)));
}

struct Case {
    QString name;
    QString path;
    int layers;
};

std::vector<Case> Movies() {
    std::vector<Case> cases;
    QDirIterator it(BinDir() + "/lumdata/wj_0_or_2/wjj_02", {"*.rar"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        cases.push_back({QFileInfo(path).completeBaseName(), path, 20});
    }
    std::sort(cases.begin(), cases.end(),
              [](const Case& a, const Case& b) { return a.name < b.name; });
    cases.push_back({"closing", BinDir() + "/lumdata/wj_0_or_3_3/wj_0_or_3_3_d.rar", 16});
    return cases;
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.name.toStdString(); }

class MovieFrames : public testing::TestWithParam<Case> {};

}  // namespace

TEST_P(MovieFrames, ChangeFromTheHandOverPictureAndShowNoBlankFrame) {
    QByteArray movie = ReadBytes(GetParam().path);
    ASSERT_TRUE(StripLayers(movie, GetParam().layers));
    TempDir dir;
    const QString moviePath = dir.write("movie/movie.rar", movie);
    QDir().mkpath(dir.file("pictures"));
    int scene = 2;
    const QImage handOver = databuild::DrawScene(0, {640, 360});
    for (const databuild::MovieAsset& asset : databuild::MovieAssets(movie)) {
        const QImage picture = asset.fileName == "picture_0.jpg" ? handOver
                               : asset.fileName == "wj_y_l_b_j.jpg"
                                   ? databuild::DrawScene(1, {640, 360})
                                   : databuild::DrawScene(scene++, {480, 360});
        ASSERT_TRUE(WriteJpeg(picture, dir.file("pictures/" + asset.fileName), 90).ok());
    }
    QWidget host;
    host.resize(kFrame);
    FlashPlayer player(&host, "player");
    player.resize(kFrame);
    player.setPictureFolder(dir.file("pictures"));
    ASSERT_TRUE(player.setMovie(moviePath));
    player.Stop();
    const int frames = player.TotalFrames();
    ASSERT_GT(frames, 30);
    auto frame = [&](int f) {
        player.setFrameNum(f);
        return player.paintFrame().copy();
    };
    const QImage first = frame(0), middle = frame(frames / 2), last = frame(frames - 1);
    ASSERT_FALSE(first.isNull());
    EXPECT_LT(
        Difference(first, handOver.scaled(kFrame, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
        6.0);
    EXPECT_GT(Difference(first, middle), 8.0);
    EXPECT_GT(Difference(first, last), 8.0);
    EXPECT_GT(Difference(middle, last), 0.3);
    for (int f = 25; f < frames; f += 25) EXPECT_GT(Spread(frame(f)), 6.0) << "frame " << f;
}

INSTANTIATE_TEST_SUITE_P(ShippedLibrary, MovieFrames, testing::ValuesIn(Movies()),
                         [](const testing::TestParamInfo<Case>& info) {
                             return info.param.name.toStdString();
                         });
