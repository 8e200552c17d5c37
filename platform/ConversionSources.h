#pragma once
// The video sources of a conversion: still pictures and movie files, and the time line
// that lays source frames end to end and answers which output frame shows which picture.
// Used by the conversion library; not a public interface.

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <utility>

#include "platform/ConversionPresets.h"

// Time on the conversion's time line, in units of 1/750000 s: a frame of 1/25 s is 30000
// units and a frame of 1001/30000 s is 25025, both exact.
constexpr qint64 kTimeUnitsPerSecond = 750000;
constexpr qint64 kStillFrameUnits = kTimeUnitsPerSecond / 25;

// True when `path` names a still picture (".bmp", ".jpg", ".jpeg", ".png").
bool IsStillPicture(const QString& path);

// A movie file's video frames, decoded one after another as RGB32 pictures.
class MovieFrames {
public:
    MovieFrames();
    ~MovieFrames();
    // Opens the file's first video stream. False with a Chinese text naming the file.
    bool Open(const QString& path, QString& error);
    // The next frame and its start time (time-line units from the movie's start); false at
    // the end or on a damaged end (the frames read so far stand).
    bool Next(QImage& picture, qint64& start);
    // The start time just past the last frame answered (its start + its duration).
    qint64 End() const { return end_; }
    void Close();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    qint64 end_ = 0;
};

// The number of video frames of a movie file (from its length and frame rate); 0 when it
// cannot be read.
qint64 CountMovieFrames(const QString& path);

// Lays source pictures end to end on the time line and hands each output frame's picture
// to `output` (with the number of output frames in a row that show it).
class FrameTimeline {
public:
    FrameTimeline(FrameRate rate, bool keepDuration, std::function<bool(const QImage&, int)> output)
        : rate_(rate), keep_(keepDuration), emit_(std::move(output)) {}
    // The next source picture, starting at `start`. Answers false when `output` refused.
    bool Add(const QImage& picture, qint64 start);
    // The sources end at `end`: the last picture is emitted up to there.
    bool Finish(qint64 end);
    qint64 OutputFrames() const { return emitted_; }

private:
    qint64 OutputStart(qint64 frame) const {
        return frame * rate_.den * kTimeUnitsPerSecond / rate_.num;
    }
    bool EmitUntil(qint64 time);

    FrameRate rate_;
    bool keep_;
    std::function<bool(const QImage&, int)> emit_;
    QImage pending_;
    bool hasPending_ = false;
    qint64 emitted_ = 0;
};
