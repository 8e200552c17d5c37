// Adding photos: 100 photos of 4000 x 3000 through the add job of Form13 (stored size,
// upright check through the renderer, photo table, then matching into the shipped
// library's templates), beside the decode alone of the same 100 files at the size the
// upright check asks for. The decode's share of the add job is reported as the counter
// decode_share of BM_AddJob (the two runs are in the same process, on the same files).
//
// Run from the build folder: bench/AddPhotosBench (it reads the shipped library in bin/).

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "app/Form1.h"
#include "app/Form13.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "app/Form3Tables.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "photos/PhotoCollection.h"
#include "platform/Desktop.h"
#include "platform/Events.h"
#include "platform/Exif.h"
#include "platform/Jpeg.h"
#include "platform/TextTable.h"
#include "templates/LibraryFolders.h"
#include "bench/BenchFiles.h"

namespace {
constexpr int kPhotos = 100;

QStringList& Files() {
    static QStringList files;
    return files;
}

double& DecodeSeconds() {
    static double seconds = 0;
    return seconds;
}



// The reference: each file's stored size read and its picture decoded upright at the
// upright check's box (300 x 225), as the renderer decodes it, without any window work.
void BM_DecodeOnlyReference(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        for (const QString& file : Files()) {
            const QSize stored = ReadJpegSize(file).size;
            const QSize upright = UprightSize(stored, ReadExifOrientation(file));
            benchmark::DoNotOptimize(DecodeJpegUpright(file, {300, 300 * upright.height() / upright.width()}));
        }
        DecodeSeconds() = clock.nsecsElapsed() / 1e9;
    }
}

void BM_AddJob(benchmark::State& state) {
    Form3* form3 = Windows::get<Form3>();
    Form13* progress = Windows::get<Form13>();
    MainForm* renderer = Windows::get<MainForm>();
    double seconds = 0;
    int placed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DeleteAllPhotos(ProgramAlbumTables());
        renderer->thumbnails().forgetAll();
        form3->setChosenFiles(Files());
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        progress->Timer3Timer();
        seconds = clock.nsecsElapsed() / 1e9;
        placed = progress->lastMatching().placed;
    }
    if (placed != kPhotos) state.SkipWithError("not every photo was placed");
    state.counters["seconds"] = seconds;
    state.counters["photos_placed"] = placed;
    if (DecodeSeconds() > 0) state.counters["decode_share"] = DecodeSeconds() / seconds;
}

BENCHMARK(BM_DecodeOnlyReference)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AddJob)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString shipped = QCoreApplication::applicationDirPath() + "/../bin/lumdata";
    if (!QFileInfo(shipped).isDir()) return 1;
    CopyFolder(shipped, folder.filePath("lumdata"));
    QDir().mkpath(folder.filePath("photos"));
    const QString first = folder.filePath("photos/photo_000.jpg");
    if (!WriteJpeg(PhotoLikePicture(), first, 90).error.isEmpty()) return 1;
    Files().append(first);
    for (int i = 1; i < kPhotos; ++i) {
        const QString copy = folder.filePath(QString("photos/photo_%1.jpg").arg(i, 3, 10, QChar('0')));
        QFile::copy(first, copy);
        Files().append(copy);
    }

    SetProgramFolder(folder.path());
    Program::setLockFolder(folder.path());
    auto desktop = std::make_unique<ScriptedDesktop>();
    desktop->setModalTimeLimit(2000);
    Desktop::install(std::move(desktop));
    auto program = std::make_unique<Program>();
    // The library tables, as the loading chain fills them.
    Form2* main = Windows::get<Form2>();
    for (const char* command : {"Button29Click", "Button30Click", "Button31Click", "Button32Click", "Button53Click"})
        main->invokeHandler(command);
    processPendingEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program.reset();
    return 0;
}
