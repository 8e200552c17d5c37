// The lyric line on every timer tick and every made frame: the lookup alone (reference),
// the lookup with the line's look (conversion to traditional characters, font and place),
// and drawing the line on a 1280 x 720 frame beside copying the frame alone (reference).

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "media/LrcFile.h"
#include "media/LyricSettings.h"
#include "platform/TextTable.h"

namespace {
// A song of 60 timed lines, one every 3 seconds.
struct Song {
    TextTable lines{LyricLinesCaptions()}, opens{LyricPositionsCaptions()}, closes{LyricPositionsCaptions()},
        headers{LyricHeaderCaptions()}, entries{LyricEntriesCaptions()}, timeline{LyricTimelineCaptions()};
    Song() {
        QStringList text = {"[ti:春日]", "[ar:歌手]"};
        for (int i = 0; i < 60; ++i)
            text.append(QString("[%1.00]春风吹过了头发第%2行").arg(FormatClock(3 * i + 1)).arg(i));
        ReadLyricLines(text, {&lines, &opens, &closes, &headers, &entries, &timeline});
    }
};

QStringList TraditionalRecord() {
    QStringList record = DefaultLyricSettings(1, "a.lrc");
    record[LyricSettingsColumn::kForm] = kTraditional;
    return record;
}

void BM_Lookup(benchmark::State& state) {
    Song song;
    qint64 second = 0;
    for (auto _ : state) {
        const int row = FindLyricLine(song.timeline, FormatClock(second++ % 200));
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_Lookup);

void BM_LookupAndLook(benchmark::State& state) {
    Song song;
    const QStringList record = TraditionalRecord();
    qint64 second = 0;
    for (auto _ : state) {
        const int row = FindLyricLine(song.timeline, FormatClock(second++ % 200));
        if (row < 0) continue;
        const LyricLook look = ComputeLyricLook(record, LyricLineText(song.timeline, row), {800, 450});
        benchmark::DoNotOptimize(look.box);
    }
}
BENCHMARK(BM_LookupAndLook);

void BM_FrameCopy(benchmark::State& state) {
    QImage frame(1280, 720, QImage::Format_RGB32);
    frame.fill(Qt::darkBlue);
    for (auto _ : state) {
        QImage copy = frame.copy();
        benchmark::DoNotOptimize(copy.bits());
    }
}
BENCHMARK(BM_FrameCopy)->Unit(benchmark::kMicrosecond);

void BM_FrameCopyAndLine(benchmark::State& state) {
    QImage frame(1280, 720, QImage::Format_RGB32);
    frame.fill(Qt::darkBlue);
    const LyricLook look = ComputeLyricLook(TraditionalRecord(), QString::fromUtf8("春风吹过了头发"), frame.size());
    for (auto _ : state) {
        QImage copy = frame.copy();
        QPainter painter(&copy);
        PaintLyricLine(painter, look);
        painter.end();
        benchmark::DoNotOptimize(copy.bits());
    }
}
BENCHMARK(BM_FrameCopyAndLine)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
