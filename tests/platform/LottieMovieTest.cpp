#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "platform/LottieMovie.h"
#include "platform/MoviePictures.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestMovies.h"

namespace {

QJsonObject ToJson(const QByteArray& bytes) { return QJsonDocument::fromJson(bytes).object(); }

QJsonObject LayerNamed(const QJsonArray& layers, const QString& name) {
    for (const QJsonValue& layer : layers)
        if (layer.toObject().value("nm").toString() == name) return layer.toObject();
    return {};
}

QJsonArray Values(const QJsonObject& layer, const char* property) {
    return layer.value("ks").toObject().value(property).toObject().value("k").toArray();
}

TEST(LottieMovie, ReadsFramesStageVariablesAndPictures) {
    moviekit::Movie movie = TestMovie(125, {{"wj_y_l_b_j.jpg", {1920, 1080}}, {"1.jpg", {960, 540}}},
                                      {{"k_r_d_o_k_p_w_r_w", "k_r_d_a_b_p_w_e_o_o_kr_w_u_i"}, {"n", "1"}});
    movie.addEmbeddedPicture("title", SolidPicture({64, 32}, Qt::red));
    const auto parsed = LottieMovie::parse(movie.toBytes());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->totalFrames(), 125);
    EXPECT_EQ(parsed->stageSize(), QSize(1920, 1080));
    EXPECT_EQ(parsed->frameRate(), 25);
    EXPECT_EQ(parsed->variable("k_r_d_o_k_p_w_r_w"), "k_r_d_a_b_p_w_e_o_o_kr_w_u_i");
    EXPECT_EQ(parsed->variable("absent"), "");
    EXPECT_EQ(parsed->variableNames(), QStringList({"k_r_d_o_k_p_w_r_w", "n"}));

    const QVector<MoviePicture>& pictures = parsed->pictures();
    ASSERT_EQ(pictures.size(), 3);
    EXPECT_EQ(pictures[0].fileName, "wj_y_l_b_j.jpg");
    EXPECT_EQ(pictures[0].box, QSize(1920, 1080));
    EXPECT_FALSE(pictures[0].embedded);
    EXPECT_EQ(pictures[1].box, QSize(960, 540));
    EXPECT_TRUE(pictures[2].embedded);
    EXPECT_EQ(pictures[2].id, "title");
    EXPECT_EQ(QImage::fromData(pictures[2].data).size(), QSize(64, 32));
}

TEST(LottieMovie, RefusesWhatIsNotAMovie) {
    for (const char* text :
         {"", "not json", "[1,2]", "{}", R"({"w":1920,"h":1080,"fr":25,"ip":0,"op":10})",
          R"({"w":0,"h":1080,"fr":25,"ip":0,"op":10,"layers":[]})",
          R"({"w":1920,"h":1080,"fr":0,"ip":0,"op":10,"layers":[]})",
          R"({"w":1920,"h":1080,"fr":25,"ip":10,"op":10,"layers":[]})",
          R"({"w":1e9,"h":1080,"fr":25,"ip":0,"op":10,"layers":[]})"})
        EXPECT_FALSE(LottieMovie::parse(text)) << text;
}

TEST(LottieMovie, ForRendererSwapsPicturesAndKeepsTheirPlaceOnTheStage) {
    moviekit::Movie movie(50);
    const QString slot = movie.addPicture("1.jpg", 960, 540);
    const QString other = movie.addPicture("2.jpg", 100, 100);
    moviekit::Layer& still = movie.addPictureLayer(slot, 0, 50);
    still.name = "still";
    still.transform.scale = moviekit::Property{50, 200};
    moviekit::Layer& zoom = movie.addPictureLayer(slot, 0, 50);
    zoom.name = "zoom";
    zoom.transform.anchor = moviekit::Property::animated({{0, {480, 270}}, {49, {0, 540}}});
    zoom.transform.scale = moviekit::Property::animated({{0, {100, 100}}, {49, {150, 150}}});
    movie.addPictureLayer(other, 0, 50).name = "other";
    movie.addRectangleLayer(Qt::white, 10, 10, 0, 50).name = "rect";

    const auto parsed = LottieMovie::parse(movie.toBytes());
    ASSERT_TRUE(parsed);
    const QJsonObject out = ToJson(parsed->forRenderer({{slot, {"0.png", {400, 225}}}}));
    const double fx = 400.0 / 960, fy = 225.0 / 540;

    const QJsonObject asset = out.value("assets").toArray().at(0).toObject();
    EXPECT_EQ(asset.value("p").toString(), "0.png");
    EXPECT_EQ(asset.value("w").toInt(), 400);
    EXPECT_EQ(asset.value("h").toInt(), 225);
    EXPECT_EQ(asset.value("e").toInt(), 0);
    EXPECT_EQ(out.value("assets").toArray().at(1).toObject().value("p").toString(), "2.jpg");
    EXPECT_FALSE(out.contains("variables"));

    const QJsonArray layers = out.value("layers").toArray();
    const QJsonObject s = LayerNamed(layers, "still");
    EXPECT_DOUBLE_EQ(Values(s, "a")[0].toDouble(), 480 * fx);
    EXPECT_DOUBLE_EQ(Values(s, "a")[1].toDouble(), 270 * fy);
    EXPECT_DOUBLE_EQ(Values(s, "s")[0].toDouble(), 50 / fx);
    EXPECT_DOUBLE_EQ(Values(s, "s")[1].toDouble(), 200 / fy);

    const QJsonObject z = LayerNamed(layers, "zoom");
    const QJsonArray anchorKeys = Values(z, "a"), scaleKeys = Values(z, "s");
    ASSERT_EQ(anchorKeys.size(), 2);
    EXPECT_DOUBLE_EQ(anchorKeys[0].toObject().value("s").toArray()[0].toDouble(), 480 * fx);
    EXPECT_DOUBLE_EQ(anchorKeys[0].toObject().value("e").toArray()[1].toDouble(), 540 * fy);
    EXPECT_DOUBLE_EQ(anchorKeys[1].toObject().value("s").toArray()[1].toDouble(), 540 * fy);
    EXPECT_DOUBLE_EQ(scaleKeys[1].toObject().value("s").toArray()[0].toDouble(), 150 / fx);

    EXPECT_EQ(Values(LayerNamed(layers, "other"), "a"), QJsonArray({50, 50}));
    EXPECT_EQ(Values(LayerNamed(layers, "other"), "s"), QJsonArray({100, 100}));
    EXPECT_EQ(LayerNamed(layers, "rect"), LayerNamed(ToJson(movie.toBytes()).value("layers").toArray(), "rect"));
}

TEST(MoviePictures, BoxInPlayerScalesByTheFittedStage) {
    const struct {
        QSize box, player, expected;
    } cases[] = {
        {{1920, 1080}, {800, 450}, {800, 450}},
        {{960, 540}, {800, 450}, {400, 225}},
        {{960, 540}, {1280, 720}, {640, 360}},
        {{1001, 333}, {800, 450}, {417, 138}},   // truncated
        {{960, 540}, {800, 600}, {400, 225}},    // width sets the scale
        {{960, 540}, {1600, 450}, {400, 225}},   // height sets the scale
        {{2, 2}, {80, 45}, {1, 1}},              // never empty
        {{960, 540}, {0, 0}, {1, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoxInPlayer(c.box, {1920, 1080}, c.player), c.expected)
            << c.box.width() << "x" << c.box.height() << " in " << c.player.width();
}

TEST(MoviePictures, FitInsideKeepsProportionsAndCentres) {
    const struct {
        QSize picture, box;
        QRect expected;
    } cases[] = {
        {{1920, 1080}, {400, 225}, {0, 0, 400, 225}},
        {{300, 169}, {400, 225}, {0, 0, 400, 225}},    // within 1 %: fills
        {{3000, 1688}, {400, 225}, {0, 0, 400, 225}},
        {{500, 500}, {400, 225}, {88, 0, 225, 225}},
        {{1000, 400}, {400, 225}, {0, 32, 400, 160}},
        {{768, 1024}, {400, 225}, {116, 0, 168, 225}},
        {{1, 1000}, {400, 225}, {200, 0, 1, 225}},
        {{0, 10}, {400, 225}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitInside(c.picture, c.box), c.expected) << c.picture.width() << "x" << c.picture.height();
}

TEST(MoviePictures, PreparePictureFitsAndLeavesTheRestTransparent) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    SolidPicture({2000, 2000}, Qt::red).save(&buffer, "JPG");
    const QImage bitmap = PreparePicture(jpeg, {400, 225});
    ASSERT_EQ(bitmap.size(), QSize(400, 225));
    EXPECT_EQ(qAlpha(bitmap.pixel(10, 100)), 0);
    EXPECT_EQ(qAlpha(bitmap.pixel(200, 100)), 255);
    EXPECT_GT(qRed(bitmap.pixel(200, 100)), 240);
    EXPECT_TRUE(PreparePicture("garbage", {400, 225}).isNull());
    EXPECT_TRUE(PreparePicture({}, {400, 225}).isNull());
}

TEST(MoviePictures, UncompressedPngReadsBackExactly) {
    QImage image(37, 5, QImage::Format_ARGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 37; ++x) image.setPixel(x, y, qRgba(x * 7, y * 50, 255 - x, x * 3 % 256));
    const QByteArray png = EncodeUncompressedPng(image);
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32), image);
    // Larger than one stored block of 64 KiB.
    const QImage big = SolidPicture({300, 200}, QColor(1, 2, 3)).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(QImage::fromData(EncodeUncompressedPng(big), "PNG").convertToFormat(QImage::Format_ARGB32), big);
}

TEST(MoviePictures, PicturePathStaysInTheFolderAndFindsTheNearestPic) {
    TempDir dir;
    dir.write("album/pic/x", "");
    dir.write("album/a/pic/x", "");
    dir.write("album/a/b/c/m.rar", "");
    EXPECT_EQ(PicturePath(dir.file("album/a/b/c"), "1.jpg"), dir.file("album/a/b/c/1.jpg"));
    EXPECT_EQ(PicturePath(dir.file("album/a/b/c"), "picture_0.jpg"), dir.file("album/a/pic/picture_0.jpg"));
    EXPECT_EQ(PicturePath(dir.file("album/a"), "picture_0.jpg"), dir.file("album/a/pic/picture_0.jpg"));
    EXPECT_EQ(PicturePath(dir.file("album"), "picture_0.jpg"), dir.file("album/pic/picture_0.jpg"));
    EXPECT_EQ(PicturePath(dir.file("album/a/b"), "picture_0.jpg", PictureSource::OneFolder),
              dir.file("album/a/b/picture_0.jpg"));
    EXPECT_EQ(PicturePath(dir.path(), "picture_0.jpg"), "");  // no pic folder up to the root
    for (const char* name : {"", ".", "..", "../1.jpg", "a/1.jpg", "a\\1.jpg", "/etc/passwd"})
        EXPECT_EQ(PicturePath(dir.file("album"), name), "") << name;
}

}  // namespace
