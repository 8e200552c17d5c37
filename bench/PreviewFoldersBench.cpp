// Building the preview folders: 20 completed templates of the shipped library filled with
// 4000 x 3000 photos (movies unwrapped, every slot picture and background drawn through the
// renderer and written as JPEG for the 800 x 450 photo area), beside decoding each photo
// those templates use once at the size the renderer decodes it for a 1920 x 1080 panel.
// The build's time over the decodes' is reported as the counter build_over_decode of
// BM_BuildPreviewFolders (both runs in the same process, on the same files).
//
// Run from the build folder: bench/PreviewFoldersBench (it reads the shipped library in bin/).

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "app/Form13.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "app/Form3Tables.h"
#include "app/MainForm.h"
#include "app/PreviewBuild.h"
#include "app/Program.h"
#include "bench/BenchFiles.h"
#include "photos/SlotTable.h"
#include "platform/Desktop.h"
#include "platform/Events.h"
#include "platform/Exif.h"
#include "platform/Jpeg.h"
#include "platform/TextTable.h"
#include "templates/LibraryFolders.h"

namespace {
constexpr int kTemplates = 20;
constexpr int kPhotos = 80;

double& DecodeSeconds() {
    static double seconds = 0;
    return seconds;
}

// The photos the completed templates use, each once.
QStringList UsedPhotos() {
    const AlbumTables album = ProgramAlbumTables();
    QSet<QString> seen;
    QStringList paths;
    for (int row = 0; row < album.slotTable.rowCount(); ++row) {
        const int used = SlotUsedRow(album.slotTable, row);
        if (album.usedTemplates.cell(used, UsedTemplateColumn::kMatched) != kTemplateComplete) continue;
        const QString path = album.slotTable.cell(row, SlotColumn::kPhotoPath);
        if (!path.isEmpty() && !seen.contains(path)) {
            seen.insert(path);
            paths.append(path);
        }
    }
    return paths;
}

void BM_DecodeOnlyReference(benchmark::State& state) {
    const QStringList photos = UsedPhotos();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        for (const QString& path : photos) benchmark::DoNotOptimize(DecodeJpegUpright(path, {1920, 1080}));
        DecodeSeconds() = clock.nsecsElapsed() / 1e9;
    }
    state.counters["photos"] = photos.size();
}

void BM_BuildPreviewFolders(benchmark::State& state) {
    MainForm* renderer = Windows::get<MainForm>();
    double seconds = 0;
    int completed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        renderer->thumbnails().forgetAll();
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        const PreviewBuildResult result = BuildPreviewFolders(ProgramPreviewAlbum(), {}, RendererPhotoPainter());
        seconds = clock.nsecsElapsed() / 1e9;
        completed = int(result.completedRows.size());
        if (!result.ok) state.SkipWithError(qPrintable(result.error));
    }
    if (completed != kTemplates) state.SkipWithError("not 20 completed templates");
    state.counters["seconds"] = seconds;
    state.counters["templates"] = completed;
    if (DecodeSeconds() > 0) state.counters["build_over_decode"] = seconds / DecodeSeconds();
}

BENCHMARK(BM_DecodeOnlyReference)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BuildPreviewFolders)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString shipped = QCoreApplication::applicationDirPath() + "/../bin/lumdata";
    if (!QFileInfo(shipped).isDir()) return 1;
    CopyFolder(shipped, folder.filePath("lumdata"));
    QDir().mkpath(folder.filePath("photos"));
    // Distinct files (not copies of one), so no decode serves another photo.
    const QImage picture = PhotoLikePicture();
    QStringList files;
    for (int i = 0; i < kPhotos; ++i) {
        const QString path = folder.filePath(QString("photos/photo_%1.jpg").arg(i, 3, 10, QChar('0')));
        QImage variant = picture;
        variant.setPixel(i, 0, qRgb(i, i, i));
        if (!WriteJpeg(i % 4 == 3 ? variant.transformed(QTransform().rotate(90)) : variant, path, 90).error.isEmpty())
            return 1;
        files.append(path);
    }

    SetProgramFolder(folder.path());
    Program::setLockFolder(folder.path());
    auto desktop = std::make_unique<ScriptedDesktop>();
    desktop->setModalTimeLimit(2000);
    Desktop::install(std::move(desktop));
    auto program = std::make_unique<Program>();
    Form2* main = Windows::get<Form2>();
    for (const char* command : {"Button29Click", "Button30Click", "Button31Click", "Button32Click", "Button53Click"})
        main->invokeHandler(command);
    processPendingEvents();
    Windows::get<Form3>()->setChosenFiles(files);
    Windows::get<Form13>()->Timer3Timer();

    // Exactly the first 20 completed templates stay completed.
    TextTable& used = ProgramAlbumTables().usedTemplates;
    int completed = 0;
    for (int row = 0; row < used.rowCount(); ++row) {
        if (used.cell(row, UsedTemplateColumn::kMatched) != kTemplateComplete) continue;
        if (++completed > kTemplates) used.setCell(row, UsedTemplateColumn::kMatched, kTemplateIncomplete);
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program.reset();
    return 0;
}
