// The movie player: loading a movie with three 1920 x 1080 photos and painting a frame, at
// the preview size (800 x 450) and larger, beside the reference of decoding the same three
// JPEGs alone; and the ways of handing a prepared picture to the renderer.

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <random>

#include "platform/FlashPlayer.h"
#include "platform/LottieJson.h"
#include "platform/MoviePictures.h"

namespace {

constexpr int kPhotos = 3;

// A photo-like picture: smooth gradients with fine noise, so JPEG sizes are realistic.
QImage Photo(int seed) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    std::mt19937 noise(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(noise() % 24);
            line[x] = qRgb((x / 8 + seed * 40 + n) % 256, (y / 5 + n) % 256, (x + y) / 12 % 256);
        }
    }
    return image;
}

QJsonObject Static(QJsonArray value) { return {{"a", 0}, {"k", value}}; }

QJsonObject ImageLayer(int index, const QString& refId, QJsonArray position, QJsonArray anchor,
                       QJsonObject scale) {
    const QJsonObject ks{{"a", Static(anchor)}, {"p", Static(position)}, {"s", scale},
                         {"r", QJsonObject{{"a", 0}, {"k", 0}}}, {"o", QJsonObject{{"a", 0}, {"k", 100}}}};
    return {{"ddd", 0}, {"ind", index}, {"ty", 2}, {"nm", refId}, {"refId", refId}, {"sr", 1},
            {"ks", ks}, {"ao", 0}, {"ip", 0}, {"op", 125}, {"st", 0}, {"bm", 0}};
}

// A template-like movie of 125 frames: a full-stage background photo and two 960 x 540
// photos, one of them zooming.
QByteArray TemplateMovie() {
    const QJsonArray assets{
        QJsonObject{{"id", "bg"}, {"w", 1920}, {"h", 1080}, {"u", ""}, {"p", "wj_y_l_b_j.jpg"}, {"e", 0}},
        QJsonObject{{"id", "p1"}, {"w", 960}, {"h", 540}, {"u", ""}, {"p", "1.jpg"}, {"e", 0}},
        QJsonObject{{"id", "p2"}, {"w", 960}, {"h", 540}, {"u", ""}, {"p", "2.jpg"}, {"e", 0}}};
    const QJsonObject zoom{
        {"a", 1},
        {"k", QJsonArray{QJsonObject{{"t", 0}, {"s", QJsonArray{80, 80}}, {"e", QJsonArray{120, 120}},
                                     {"o", QJsonObject{{"x", QJsonArray{0.42}}, {"y", QJsonArray{0}}}},
                                     {"i", QJsonObject{{"x", QJsonArray{0.58}}, {"y", QJsonArray{1}}}}},
                         QJsonObject{{"t", 124}, {"s", QJsonArray{120, 120}}}}}};
    const QJsonArray layers{
        ImageLayer(1, "p2", {1440, 540}, {480, 270}, zoom),
        ImageLayer(2, "p1", {480, 540}, {480, 270}, Static({100, 100})),
        ImageLayer(3, "bg", {960, 540}, {960, 540}, Static({100, 100}))};
    const QJsonObject movie{{"v", "5.7.0"}, {"fr", 25}, {"ip", 0}, {"op", 125}, {"w", 1920},
                            {"h", 1080}, {"nm", "bench"}, {"ddd", 0}, {"assets", assets},
                            {"layers", layers},
                            {"variables", QJsonObject{{"k_r_d_o_k_p_w_r_w", "k_r_d_a_b_p_w_e_o_o_kr_w_u_i"}}}};
    return SerializeLottie(movie);
}

// The movie and its three JPEG photos in a temporary folder, made once.
struct Fixture {
    QTemporaryDir dir{QDir::tempPath() + "/lumora-bench-XXXXXX"};
    QString movie;
    QList<QByteArray> jpegs;

    Fixture() {
        const char* names[kPhotos] = {"wj_y_l_b_j.jpg", "1.jpg", "2.jpg"};
        for (int i = 0; i < kPhotos; ++i) {
            QByteArray jpeg;
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            Photo(i).save(&buffer, "JPG", 90);
            jpegs.append(jpeg);
            QFile file(dir.filePath(names[i]));
            file.open(QIODevice::WriteOnly);
            file.write(jpeg);
        }
        movie = dir.filePath("wj_y_l_1.rar");
        QFile file(movie);
        file.open(QIODevice::WriteOnly);
        file.write(TemplateMovie());
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

QImage Decode(const QByteArray& jpeg, QSize scaled = QSize()) {
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    if (scaled.isValid()) reader.setScaledSize(scaled);
    return reader.read();
}

// Reference: the three JPEGs decoded whole, nothing else.
void BM_DecodeThreeJpegs(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state)
        for (const QByteArray& jpeg : f.jpegs) benchmark::DoNotOptimize(Decode(jpeg));
}
BENCHMARK(BM_DecodeThreeJpegs)->Unit(benchmark::kMillisecond);

// Reference: the three JPEGs decoded at the size the 800 x 450 player needs of them (the
// background at 800 x 450, the two photos at 400 x 225).
void BM_DecodeThreeJpegsScaledFor800(benchmark::State& state) {
    Fixture& f = Shared();
    const QSize sizes[kPhotos] = {{800, 450}, {400, 225}, {400, 225}};
    for (auto _ : state)
        for (int i = 0; i < kPhotos; ++i) benchmark::DoNotOptimize(Decode(f.jpegs[i], sizes[i]));
}
BENCHMARK(BM_DecodeThreeJpegsScaledFor800)->Unit(benchmark::kMillisecond);

// Movie := path: reading, decoding, fitting and handing over the pictures, and rlottie's
// load.
void BM_LoadMovie(benchmark::State& state) {
    Fixture& f = Shared();
    QWidget host;
    FlashPlayer player(&host, "ShockwaveFlash1");
    player.setGeometry(0, 0, int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        if (!player.setMovie(f.movie)) state.SkipWithError("movie did not load");
        player.Stop();
        benchmark::DoNotOptimize(player.TotalFrames());
    }
}
BENCHMARK(BM_LoadMovie)->Args({800, 450})->Args({1280, 720})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

// One frame painted into a bitmap, a different frame each time.
void BM_PaintFrame(benchmark::State& state) {
    Fixture& f = Shared();
    QWidget host;
    FlashPlayer player(&host, "ShockwaveFlash1");
    player.setGeometry(0, 0, int(state.range(0)), int(state.range(1)));
    player.setMovie(f.movie);
    player.Stop();
    player.paintFrame();
    int frame = 0;
    for (auto _ : state) {
        player.setFrameNum(frame = (frame + 1) % player.TotalFrames());
        benchmark::DoNotOptimize(player.paintFrame());
    }
}
BENCHMARK(BM_PaintFrame)->Args({800, 450})->Args({1280, 720})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

// Handing over one prepared 1920 x 1080 picture: the encodings the renderer's loader reads.
void BM_HandOver(benchmark::State& state) {
    const QImage picture = Photo(7).convertToFormat(QImage::Format_ARGB32);
    for (auto _ : state) {
        QByteArray bytes;
        if (state.range(0) == 0) {
            bytes = EncodeUncompressedPng(picture);
        } else {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, "PNG", state.range(0) == 1 ? 100 : -1);  // 100: no compression
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(state.range(0) == 0 ? "uncompressed PNG (ours)"
                   : state.range(0) == 1 ? "Qt PNG, compression 0" : "Qt PNG, default");
}
BENCHMARK(BM_HandOver)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
