#pragma once
// The lyric line of a making: which line shows at a song's clock, and how it is drawn onto
// the frames at the frame's size.

#include <QSize>
#include <QString>
#include <functional>

class Form25;
class QPainter;
struct LyricLook;

struct MakingLyrics {
    bool visible = false;   // a line is drawn on the next frames
    int settingsRow = -1;   // the lyric file's row in the lyric window's tables
    QString text;           // the line, as shown
    // Whatever the line looks like, prepared for the frame size.
    std::function<void(QPainter&)> paint;

    void Clear() {
        visible = false;
        settingsRow = -1;
        text.clear();
        paint = nullptr;
    }
    void Paint(QPainter& painter) const {
        if (visible && paint) paint(painter);
    }
};

// The line of `look` (ComputeLyricLook on the frame's size) as the making draws it: drawn
// once into a picture of its own, which each frame only copies where the look puts it.
std::function<void(QPainter&)> LyricLinePainter(const LyricLook& look);

// The song clock mm:ss of `songFrames` frames at 25 per second.
QString SongClock(qint64 songFrames);
