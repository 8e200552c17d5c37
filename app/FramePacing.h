#pragma once
// FramePacing: the album preview's real-time pace. No window in it.
//
// The preview shows 25 frames per second of wall-clock time, so pictures, the elapsed
// time, the music and the lyric line stay together. Album frame k is due at
// start + k * 40 ms, counted from the first frame of the album. A frame step shows the
// frame due now: when the step comes late (a stall, a slow paint, loading the next
// template), the frames in between are counted but not painted, so the pictures catch up
// with the clock instead of drifting behind it.

#include <QtGlobal>
#include <functional>

// Milliseconds of a steady clock. The preview takes one; tests hand in one they control.
using PreviewClock = std::function<qint64()>;
// A steady clock of the machine (QElapsedTimer).
PreviewClock SteadyClock();

class FramePacer {
public:
    explicit FramePacer(int framesPerSecond = 25) : fps_(framesPerSecond) {}

    // The album's frame 0 is due at `nowMs`.
    void start(qint64 nowMs) { startMs_ = nowMs; }
    // The album frame due at `nowMs`: (now - start) * fps / 1000, truncated; 0 before start.
    qint64 dueFrame(qint64 nowMs) const;
    // Milliseconds from `nowMs` until album frame `frame` is due; 0 when it is due already.
    qint64 msUntil(qint64 frame, qint64 nowMs) const;

private:
    int fps_;
    qint64 startMs_ = 0;
};
