#include "templates/FrameClock.h"

namespace {
QString TwoDigits(qint64 value) { return QString::number(value).rightJustified(2, u'0'); }
}  // namespace

QString SecondsToClock(qint64 seconds) {
    if (seconds < 0) seconds = 0;
    const qint64 minutes = seconds / 60;
    return TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60) + ":" + TwoDigits(seconds % 60);
}

// Frames times 0.04 truncated is exactly the integer quotient by 25.
QString FramesToClock(qint64 frames) { return SecondsToClock(frames / kFramesPerSecond); }
