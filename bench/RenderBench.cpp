// The photo renderer: a 4000 x 3000 JPEG rendered at a page cell's size (300 x 225) and at
// the photo area's (800 x 450), the first time (decoded from the file at the DCT scale the
// size needs) and repeated (served from the kept decode), through the whole RenderPhoto
// sequence (posted request, wait, painting the panel). Beside them the reference: the
// JPEG decode alone at the same scale, without the window work.

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "app/MainForm.h"
#include "app/Program.h"
#include "app/RenderPhoto.h"
#include "platform/Jpeg.h"
#include "templates/LibraryFolders.h"
#include "bench/BenchFiles.h"

namespace {
QString& PhotoPath() {
    static QString path;
    return path;
}


QSize SizeOf(const benchmark::State& state) { return QSize(int(state.range(0)), int(state.range(1))); }

void BM_RenderFirstTime(benchmark::State& state) {
    MainForm* renderer = Windows::get<MainForm>();
    const QSize size = SizeOf(state);
    for (auto _ : state) {
        renderer->thumbnails().forgetAll();
        benchmark::DoNotOptimize(RenderPhoto(PhotoPath(), size));
    }
}

void BM_RenderRepeated(benchmark::State& state) {
    MainForm* renderer = Windows::get<MainForm>();
    const QSize size = SizeOf(state);
    renderer->thumbnails().forgetAll();
    RenderPhoto(PhotoPath(), size);
    const int decodes = renderer->thumbnails().decodeCount();
    for (auto _ : state) benchmark::DoNotOptimize(RenderPhoto(PhotoPath(), size));
    if (renderer->thumbnails().decodeCount() != decodes) state.SkipWithError("decoded again");
}

void BM_DecodeOnlyReference(benchmark::State& state) {
    const QSize size = SizeOf(state);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(PhotoPath(), size));
}

#define SIZES ->Args({300, 225})->Args({800, 450})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_DecodeOnlyReference) SIZES;
BENCHMARK(BM_RenderFirstTime) SIZES;
BENCHMARK(BM_RenderRepeated) SIZES;
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    PhotoPath() = folder.filePath("photo.jpg");
    if (!WriteJpeg(PhotoLikePicture(), PhotoPath(), 90).error.isEmpty()) return 1;
    SetProgramFolder(folder.path());
    auto program = std::make_unique<Program>();  // the windows; the renderer among them
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program.reset();
    return 0;
}
