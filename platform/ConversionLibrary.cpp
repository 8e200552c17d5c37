#include "platform/ConversionLibrary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QStringList>
#include <memory>

#include "platform/ConversionOutput.h"
#include "platform/ConversionSongs.h"
#include "platform/ConversionSources.h"
#include "platform/ConversionWorker.h"
#include "platform/Events.h"

extern "C" {
#include <libavutil/log.h>
}

struct MclSourceSlot {
    QString path;
    bool answered = false;
    bool finished = false;
};

struct MclSourceList {
    QStringList paths;
    QList<int> kinds;
};

struct MclConversion {
    MclSourceCallback videoSource, audioSource;
    MclFrameCallback videoFrame, audioFrame;
    MclProgressCallback progress;
    MclErrorCallback errorCallback;
    int format = kMclDvd;
    int system = kMclPal;
    bool keepDuration = true;
    int width = 720;
    int height = 576;
    bool highQuality = false;
    qint64 maxKbps = 0;
    QString videoOut, audioOut;
    QHash<QString, QImage> pictures;  // still sources handed over in memory, by path
    bool running = false;
    bool abort = false;
    QElapsedTimer clock;
    double elapsed = 0;
    qint64 framesRead = 0;
    MclStepTimes steps;
};

namespace {

int g_error = 0;
QString g_errorText;

void SetError(const QString& text) {
    g_error = 1;
    g_errorText = text;
}

// Tells the program about a failure; answers whether the conversion goes on (skipping
// what failed).
bool AskError(MclHandle h, const QString& text) {
    SetError(text);
    int answer = 0;
    if (h->errorCallback)
        h->errorCallback(h, 0, &answer);
    return answer != kMclAnswerStop;
}

void Progress(MclHandle h, int status, qint64 a, qint64 b, qint64 c) {
    if (h->progress)
        h->progress(h, status, a, b, c);
}

QString AskSource(const MclSourceCallback& callback, int index, bool& more) {
    MclSourceSlot slot;
    if (callback)
        callback(&slot, index);
    more = slot.answered && !slot.finished;
    return more ? slot.path : QString();
}

QImage ReadStill(MclHandle h, const QString& path) {
    const auto held = h->pictures.constFind(path);
    if (held != h->pictures.constEnd())
        return *held;
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return reader.read();
}

}  // namespace

MclHandle MclCreate() {
    // FFmpeg's own log is not the program's: failures come back as the program's texts.
    av_log_set_level(AV_LOG_QUIET);
    return new MclConversion;
}
void MclFree(MclHandle handle) { delete handle; }

void MclAssignVideoSource(MclHandle h, MclSourceCallback c) { if (h) h->videoSource = std::move(c); }
void MclAssignVideoFunc(MclHandle h, MclFrameCallback c) { if (h) h->videoFrame = std::move(c); }
void MclAssignAudioSource(MclHandle h, MclSourceCallback c) { if (h) h->audioSource = std::move(c); }
void MclAssignAudioFunc(MclHandle h, MclFrameCallback c) { if (h) h->audioFrame = std::move(c); }
void MclAssignProgress(MclHandle h, MclProgressCallback c) { if (h) h->progress = std::move(c); }
void MclAssignError(MclHandle h, MclErrorCallback c) { if (h) h->errorCallback = std::move(c); }

MclList MclListCreate() { return new MclSourceList; }
void MclListFree(MclList list) { delete list; }

void MclListAdd(MclList list, const QString& path, int kind, int, int) {
    if (!list)
        return;
    list->paths.append(path);
    list->kinds.append(kind);
}

qint64 MclListGetFrameCount(MclList list) {
    if (!list)
        return 0;
    qint64 frames = 0;
    QHash<QString, qint64> counted;  // the same movie listed many times is read once
    for (int i = 0; i < list->paths.size(); ++i) {
        if (list->kinds[i] != kMclVideoEntry)
            continue;
        const QString& path = list->paths[i];
        if (IsStillPicture(path)) {
            ++frames;
            continue;
        }
        auto known = counted.constFind(path);
        if (known == counted.constEnd())
            known = counted.insert(path, CountMovieFrames(path));
        frames += *known;
    }
    return frames;
}

qint64 MclListGetSampleCount(MclList list) {
    if (!list)
        return 0;
    qint64 samples = 0;
    QHash<QString, qint64> counted;
    for (int i = 0; i < list->paths.size(); ++i) {
        if (list->kinds[i] != kMclAudioEntry)
            continue;
        const QString& path = list->paths[i];
        auto known = counted.constFind(path);
        if (known == counted.constEnd())
            known = counted.insert(path, SongLengthMs(path) * 44100 / 1000);
        samples += *known;
    }
    return samples;
}

bool MclListGetName(MclList list, int index, QString& name) {
    if (!list || index < 0 || index >= list->paths.size())
        return false;
    name = list->paths[index];
    return true;
}

void MclSourceSetFile(MclSource source, const QString& path) {
    if (!source)
        return;
    source->path = path;
    source->answered = true;
    source->finished = false;
}

void MclSourceFinished(MclSource source) {
    if (!source)
        return;
    source->answered = true;
    source->finished = true;
}

void MclSetFormatPreset(MclHandle h, int format, int system) {
    if (!h)
        return;
    h->format = format;
    h->system = system == kMclNtsc ? kMclNtsc : kMclPal;
}

void MclVideoSetKeepDuration(MclHandle h, int flag) { if (h) h->keepDuration = flag != 0; }

void MclVideoSetFormat(MclHandle h, int width, int height, int) {
    if (!h)
        return;
    h->width = width;
    h->height = height;
}

void MclVideoSetBitRate(MclHandle h, int maxKbps, int, int) {
    if (!h)
        return;
    h->highQuality = true;
    h->maxKbps = maxKbps;
}

void MclAudioSetCodec(MclHandle, int) {}
void MclVideoSetFileName(MclHandle h, const QString& path) { if (h) h->videoOut = path; }
void MclAudioSetFileName(MclHandle h, const QString& path) { if (h) h->audioOut = path; }

void MclVideoSetFramePicture(MclHandle h, const QString& path, const QImage& picture) {
    if (h)
        h->pictures.insert(path, picture);
}

void MclAbort(MclHandle h) {
    if (h)
        h->abort = true;
}

int MclGetError() { return g_error; }
QString MclGetErrorStr() { return g_errorText; }

double MclGetElapsedTime(MclHandle h) {
    if (!h)
        return 0;
    return h->running ? h->clock.elapsed() / 1000.0 : h->elapsed;
}

double MclGetRemainingTime(MclHandle h, qint64 frames, qint64) {
    if (!h || h->framesRead <= 0 || frames <= h->framesRead)
        return 0;
    return MclGetElapsedTime(h) * double(frames - h->framesRead) / double(h->framesRead);
}

MclStepTimes MclGetStepTimes(MclHandle h) { return h ? h->steps : MclStepTimes{}; }

QString MclMakeTimeStr(double seconds) {
    const qint64 s = qint64(std::max(0.0, seconds));
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

namespace {

// One run of MclConvert: the sound, the output file and its encoding thread.
class ConversionRun {
public:
    explicit ConversionRun(MclHandle h) : h_(h) {}
    bool Run();

private:
    bool OpenSound();
    bool Emit(const QImage& picture, int repeat);
    bool ReadVideo();
    bool Pump();

    MclHandle h_;
    ConversionOutput output_;
    std::unique_ptr<SongChain> songs_;
    std::unique_ptr<ConversionWorker> worker_;
    std::unique_ptr<FrameTimeline> timeline_;
    qint64 reportedBlocks_ = 0;
    bool stopped_ = false;  // failed or refused: nothing more is written
};

bool ConversionRun::OpenSound() {
    QStringList paths;
    for (int index = 0;; ++index) {
        bool more = false;
        const QString path = AskSource(h_->audioSource, index, more);
        if (!more)
            break;
        paths.append(path);
    }
    songs_ = std::make_unique<SongChain>(PresetFor(h_->format).sampleRate);
    for (const QString& path : paths) {
        QString error;
        if (!songs_->Add(path, error) && !AskError(h_, error))
            return false;
    }
    return true;
}

// Lets the windows run while the encoding thread is busy; false once the run must end.
bool ConversionRun::Pump() {
    processPendingEvents();
    if (worker_->Failed())
        return false;
    const qint64 blocks = worker_->SamplesWritten() / 1152;
    if (blocks != reportedBlocks_ && h_->audioFrame) {
        reportedBlocks_ = blocks;
        h_->audioFrame(h_, 0, int(blocks));
    }
    return !h_->abort;
}

bool ConversionRun::Emit(const QImage& picture, int repeat) {
    return worker_->Push(picture, repeat, [this] { return Pump(); });
}

bool ConversionRun::ReadVideo() {
    qint64 start = 0;  // time-line position of the next source
    for (int index = 0;; ++index) {
        bool more = false;
        const QString path = AskSource(h_->videoSource, index, more);
        if (!more)
            break;
        if (IsStillPicture(path)) {
            const QImage picture = ReadStill(h_, path);
            if (picture.isNull()) {
                if (!AskError(h_, QStringLiteral("无法读取画面文件 %1").arg(QFileInfo(path).fileName())))
                    return false;
                continue;
            }
            if (!timeline_->Add(picture, start))
                return false;
            start += kStillFrameUnits;
            ++h_->framesRead;
            if (h_->videoFrame)
                h_->videoFrame(h_, 0, int(h_->framesRead));
        } else {
            MovieFrames movie;
            QString error;
            if (!movie.Open(path, error)) {
                if (!AskError(h_, error))
                    return false;
                continue;
            }
            QImage picture;
            qint64 at = 0;
            while (movie.Next(picture, at)) {
                if (!timeline_->Add(picture, start + at))
                    return false;
                ++h_->framesRead;
                if (h_->videoFrame)
                    h_->videoFrame(h_, 0, int(h_->framesRead));
                if (h_->framesRead % 25 == 0 && (!Pump()))
                    return false;
            }
            start += movie.End();
        }
        if (h_->framesRead % 25 == 0)
            Progress(h_, kMclStatusFrame, h_->framesRead, worker_->SamplesWritten(), 0);
        if (h_->abort || worker_->Failed())
            return false;
    }
    return timeline_->Finish(start);
}

bool ConversionRun::Run() {
    Progress(h_, kMclStatusPreparing, 0, 0, 0);
    if (h_->videoOut.isEmpty()) {
        AskError(h_, QStringLiteral("没有指定视频文件名"));
        return false;
    }
    if (!h_->audioOut.isEmpty() && QFileInfo(h_->audioOut) != QFileInfo(h_->videoOut)) {
        AskError(h_, QStringLiteral("声音须写入视频文件 %1").arg(QFileInfo(h_->videoOut).fileName()));
        return false;
    }
    if (!OpenSound())
        return false;

    ConversionOutputSettings settings;
    settings.path = h_->videoOut;
    settings.preset = PresetFor(h_->format);
    settings.rate = FrameRateFor(h_->system);
    settings.gopSize = GopSizeFor(settings.preset, h_->system);
    settings.width = h_->width;
    settings.height = h_->height;
    settings.highQuality = h_->highQuality;
    settings.maxBitRate = h_->maxKbps * 1000;
    QString error;
    if (!output_.Open(settings, error)) {
        AskError(h_, error);
        return false;
    }
    worker_ = std::make_unique<ConversionWorker>(output_, songs_.get(), settings.rate);
    timeline_ = std::make_unique<FrameTimeline>(settings.rate, h_->keepDuration,
                                                [this](const QImage& p, int n) { return Emit(p, n); });
    worker_->Start();
    const bool read = ReadVideo();
    if (read)
        worker_->Finish();
    else
        worker_->Abort();
    // The thread finishes the file; the windows keep running meanwhile, and a stop ends
    // the wait (the thread then closes the file after the frame it writes).
    while (!worker_->Ended()) {
        if (h_->abort)
            worker_->Abort();
        processPendingEvents();
        waitUntil([this] { return worker_->Ended(); }, 5);
    }
    worker_->Join();
    h_->steps = {output_.colourSeconds(), output_.encodeSeconds(), output_.videoFrames()};
    if (worker_->Failed()) {
        AskError(h_, worker_->Error());
        return false;
    }
    if (!read || h_->abort)
        return false;
    Progress(h_, kMclStatusMultiplex, 0, 0, 100);
    return true;
}

}  // namespace

bool MclConvert(MclHandle h) {
    if (!h || h->running)
        return false;
    g_error = 0;
    g_errorText.clear();
    h->running = true;
    h->abort = false;
    h->framesRead = 0;
    h->steps = {};
    h->clock.start();
    bool ok = false;
    {
        ConversionRun run(h);
        ok = run.Run();
    }
    h->elapsed = h->clock.elapsed() / 1000.0;
    h->running = false;
    Progress(h, kMclStatusDone, 0, 0, 0);
    return ok;
}
