// Making an album: the frame path (movie frame painted at 1280 x 720, the lyric line drawn
// on it, handed to the conversion library in memory, colour conversion and encoding on the
// library's thread) for a 60 s album, as DVD and as MP4 (both at high quality), from the
// shipped library's template movies, 12 of the shipped sample photos and the sample song;
// beside it the raw encoder (the same preset and settings) on frames rendered beforehand,
// in the same process. Counters: frames per second, peak resident memory, the time per
// frame of each step, and vs_raw_encoder = making fps / raw fps.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "app/Form25Lyrics.h"
#include "media/LyricSettings.h"
#include "platform/ConversionLibrary.h"
#include "platform/ConversionPresets.h"
#include "platform/FlashPlayer.h"
#include "platform/Jpeg.h"
#include "platform/LottieMovie.h"
#include "templates/Container.h"

namespace {

constexpr int kFrames = 60 * 25;
const QSize kFrame(1280, 720);

QString BinFolder() { return QCoreApplication::applicationDirPath() + "/../bin"; }

double PeakResidentMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// The shipped template movies unwrapped into one folder each, with the sample photos as
// their pictures (photo k of 12 for the k-th picture asset met).
struct Album {
    QTemporaryDir dir{QDir::tempPath() + "/lumora-making-XXXXXX"};
    QStringList movies;
    QString song;
    QString error;

    Album() {
        const QString library = BinFolder() + "/lumdata/wj_0_or_2/wjj_02";
        const QStringList containers = QDir(library).entryList({"*.rar"}, QDir::Files, QDir::Name);
        const QStringList photos = QDir(BinFolder() + "/samples/photos").entryList({"*.jpg"}, QDir::Files, QDir::Name);
        song = BinFolder() + "/yinyuegeciwenjian/春日.mp3";
        if (containers.isEmpty() || photos.size() < 12) {
            error = "shipped library or sample photos missing (build first)";
            return;
        }
        int photo = 0;
        for (int i = 0; i < 6 && i < containers.size(); ++i) {
            QFile file(library + "/" + containers[i]);
            file.open(QIODevice::ReadOnly);
            QByteArray bytes = file.readAll();
            if (!StripLayers(bytes, 20).ok) continue;
            const QString folder = dir.filePath(QString::number(i));
            QDir().mkpath(folder);
            const QString movie = folder + "/movie.rar";
            QFile out(movie);
            out.open(QIODevice::WriteOnly);
            out.write(bytes);
            out.close();
            const auto parsed = LottieMovie::parse(bytes);
            if (!parsed) continue;
            for (const MoviePicture& picture : parsed->pictures()) {
                if (picture.fileName.isEmpty()) continue;
                const QString source = BinFolder() + "/samples/photos/" + photos[photo++ % 12];
                const JpegDecodeResult decoded = DecodeJpeg(source, picture.box);
                if (decoded.ok())
                    WriteJpeg(decoded.image.scaled(picture.box, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation),
                              folder + "/" + picture.fileName, 90);
            }
            movies.append(movie);
        }
        if (movies.isEmpty()) error = "no template movie unwrapped";
    }
};

Album& SharedAlbum() {
    static Album album;
    return album;
}

struct RunFigures {
    double seconds = 0;
    double paint = 0, lyric = 0;
    MclStepTimes steps;
};

// One conversion of kFrames frames; `next` answers the picture of each frame.
RunFigures Convert(int format, const QString& out, const QString& song, const std::function<QImage(int)>& next) {
    RunFigures figures;
    QTemporaryDir dir;
    const QString framePath = dir.filePath("frame.bmp");
    QImage black(kFrame, QImage::Format_RGB32);
    black.fill(Qt::black);
    black.save(framePath, "BMP");
    MclHandle h = MclCreate();
    MclList video = MclListCreate(), audio = MclListCreate();
    for (int i = 0; i < kFrames; ++i) MclListAdd(video, framePath, kMclVideoEntry, 0, 0);
    if (!song.isEmpty()) MclListAdd(audio, song, kMclAudioEntry, 0, 0);
    auto source = [](MclList list) {
        return [list](MclSource s, int i) {
            QString name;
            if (MclListGetName(list, i, name)) MclSourceSetFile(s, name);
            else MclSourceFinished(s);
        };
    };
    MclAssignVideoSource(h, source(video));
    MclAssignAudioSource(h, source(audio));
    MclAssignVideoFunc(h, [&](MclHandle handle, quintptr, int frame) {
        MclVideoSetFramePicture(handle, framePath, next(frame));
    });
    MclSetFormatPreset(h, format, kMclPal);
    MclVideoSetFormat(h, kFrame.width(), kFrame.height(), 32);
    MclVideoSetBitRate(h, 20000, 1, 100000);
    MclVideoSetFileName(h, out);
    MclAudioSetFileName(h, out);
    QElapsedTimer clock;
    clock.start();
    MclConvert(h);
    figures.seconds = clock.nsecsElapsed() / 1e9;
    figures.steps = MclGetStepTimes(h);
    MclListFree(video);
    MclListFree(audio);
    MclFree(h);
    return figures;
}

void BM_Making1280(benchmark::State& state, int format) {
    Album& album = SharedAlbum();
    if (!album.error.isEmpty()) {
        state.SkipWithError(album.error.toStdString().c_str());
        return;
    }
    QWidget host;
    host.resize(kFrame);
    const auto lyric = LyricLinePainter(
        ComputeLyricLook(DefaultLyricSettings(1, QString()), "春风吹过山岗,花开满了小路", kFrame));
    QTemporaryDir outDir;
    for (auto _ : state) {
        // The making: movies one after another, each frame painted, the lyric drawn.
        auto player = std::make_unique<FlashPlayer>(&host, "ShockwaveFlash1");
        player->resize(kFrame);
        int movie = 0, frameNum = -1;
        player->setMovie(album.movies[0]);
        player->Stop();
        double paint = 0, lyricTime = 0;
        QElapsedTimer step;
        RunFigures making = Convert(format, outDir.filePath("album" + PresetFor(format).extension), album.song, [&](int) {
            if (frameNum + 1 >= player->TotalFrames()) {
                movie = (movie + 1) % int(album.movies.size());
                player = std::make_unique<FlashPlayer>(&host, "ShockwaveFlash1");
                player->resize(kFrame);
                player->setMovie(album.movies[movie]);
                player->Stop();
                frameNum = -1;
            }
            step.start();
            player->setFrameNum(++frameNum);
            QImage frame = player->paintFrame();
            paint += step.nsecsElapsed() / 1e9;
            step.start();
            {
                QPainter painter(&frame);
                lyric(painter);
            }
            lyricTime += step.nsecsElapsed() / 1e9;
            return frame;
        });
        making.paint = paint;
        making.lyric = lyricTime;
        const double peak = PeakResidentMb();

        // The raw encoder: 25 frames rendered beforehand, cycled.
        QList<QImage> rendered;
        player = std::make_unique<FlashPlayer>(&host, "ShockwaveFlash1");
        player->resize(kFrame);
        player->setMovie(album.movies[0]);
        player->Stop();
        for (int i = 0; i < 25; ++i) {
            player->setFrameNum(i);
            rendered.append(player->paintFrame().copy());
        }
        const RunFigures raw = Convert(format, outDir.filePath("raw" + PresetFor(format).extension), album.song,
                                       [&](int frame) { return rendered[frame % 25]; });

        const double makingFps = kFrames / making.seconds;
        const double rawFps = kFrames / raw.seconds;
        state.counters["making_fps"] = makingFps;
        state.counters["raw_fps"] = rawFps;
        state.counters["vs_raw_encoder"] = makingFps / rawFps;
        state.counters["peak_rss_mb"] = peak;
        state.counters["ms_paint"] = 1000 * making.paint / kFrames;
        state.counters["ms_lyric"] = 1000 * making.lyric / kFrames;
        state.counters["ms_colour"] = 1000 * making.steps.colourSeconds / std::max<qint64>(1, making.steps.frames);
        state.counters["ms_encode"] = 1000 * making.steps.encodeSeconds / std::max<qint64>(1, making.steps.frames);
        state.counters["raw_ms_encode"] = 1000 * raw.steps.encodeSeconds / std::max<qint64>(1, raw.steps.frames);
        // The frame file's cost, had every frame been written as a bitmap too.
        QElapsedTimer write;
        write.start();
        for (int i = 0; i < 25; ++i) rendered[i].save(outDir.filePath("frame.bmp"), "BMP");
        state.counters["ms_frame_file_bmp"] = write.nsecsElapsed() / 1e6 / 25;
    }
}
BENCHMARK_CAPTURE(BM_Making1280, dvd, kMclDvd)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Making1280, mp4, kMclMp4)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
