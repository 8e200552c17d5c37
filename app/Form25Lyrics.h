#pragma once
// The lyric line of a making: which line shows at a song's clock, and how it is drawn onto
// the frames at the frame's size.

#include <QSize>
#include <QString>
#include <functional>

class Form25;
class QPainter;

struct MakingLyrics {
    bool visible = false;   // a line is drawn on the next frames
    QString text;           // the line, as shown
    // Whatever the line looks like, prepared for the frame size.
    std::function<void(QPainter&)> paint;

    void Clear() {
        visible = false;
        text.clear();
        paint = nullptr;
    }
    void Paint(QPainter& painter) const {
        if (visible && paint) paint(painter);
    }
};

// The lyric line as the making draws it on a frame of `frame` size: white on a dark
// outline, centred near the bottom, its size following the frame height (28 px on a
// 450-line screen).
std::function<void(QPainter&)> LyricLinePainter(const QString& text, QSize frame);

// The song clock mm:ss of `songFrames` frames at 25 per second.
QString SongClock(qint64 songFrames);
