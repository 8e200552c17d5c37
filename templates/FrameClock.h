#pragma once
// Clock texts of album and template lengths.
//
// Album time is counted in frames at 25 frames per second. A length is shown as HH:MM:SS:
// whole seconds (a part second is dropped), each of the three numbers with at least two
// digits; hours are not wrapped. A negative length shows as 00:00:00.

#include <QString>

inline constexpr int kFramesPerSecond = 25;

// "HH:MM:SS" of `frames` frames: 1524 frames (60.96 s) -> "00:01:00".
QString FramesToClock(qint64 frames);
// "HH:MM:SS" of `seconds` whole seconds: 5400 -> "01:30:00".
QString SecondsToClock(qint64 seconds);
