// Measuring a song's length, as the add-music job does for every file, beside decoding the
// whole song (the reference, in the same process, on the same file). The length is counted
// from the packets without decoding, so a song costs a small share of its decoding time;
// BM_MeasureLength reports that share as the counter decode_share.
//
// Run from the build folder: bench/MusicBench (it reads the shipped sample song in bin/).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <vector>

#include "platform/AudioDecoder.h"

namespace {

QString SongPath() { return QCoreApplication::applicationDirPath() + "/../bin/yinyuegeciwenjian/春日.mp3"; }

double& DecodeSeconds() {
    static double seconds = 0;
    return seconds;
}

// The reference: the whole song decoded to 44.1 kHz stereo.
void BM_DecodeWholeSongReference(benchmark::State& state) {
    std::vector<int16_t> buffer(4096 * 2);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        AudioDecoder decoder;
        QString error;
        if (!decoder.Open(SongPath(), 44100, 2, error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        qint64 frames = 0;
        for (qint64 got; (got = decoder.Read(buffer.data(), 4096, error)) > 0;) frames += got;
        benchmark::DoNotOptimize(frames);
        DecodeSeconds() = clock.nsecsElapsed() / 1e9;
    }
}
BENCHMARK(BM_DecodeWholeSongReference)->Unit(benchmark::kMillisecond);

void BM_MeasureLength(benchmark::State& state) {
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        qint64 ms = 0;
        QString error;
        if (!MeasureAudioLength(SongPath(), ms, error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(ms);
        seconds = clock.nsecsElapsed() / 1e9;
    }
    if (DecodeSeconds() > 0) state.counters["decode_share"] = seconds / DecodeSeconds();
}
BENCHMARK(BM_MeasureLength)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
