#pragma once
// Reading a finished video file back: its container and streams, the true length of each
// stream (counted by decoding, not taken from headers), and chosen frames as pictures.
// For the video-info tool, the tests and the benchmarks.

#include <QImage>
#include <QList>
#include <QString>

struct VideoStreamInfo {
    bool video = false;        // a video stream, else an audio stream
    QString codec;             // FFmpeg codec name, e.g. "mpeg2video", "mp2"
    int width = 0, height = 0; // video
    int rateNum = 0, rateDen = 1;  // video frame rate
    int sampleRate = 0, channels = 0;  // audio
    qint64 frames = 0;         // decoded video frames, or decoded audio sample frames
    double seconds = 0;        // length of the decoded data
    int errors = 0;            // packets the decoder refused and frames it marked damaged
};

struct VideoFileInfo {
    QString container;         // FFmpeg demuxer name, e.g. "mpeg"
    QList<VideoStreamInfo> streams;
    QString error;             // empty when the file was read
    bool ok() const { return error.isEmpty(); }
    int CountStreams(bool video) const;
    const VideoStreamInfo* First(bool video) const;
};

// Opens `path` and decodes every video and audio stream to the end.
VideoFileInfo ReadVideoInfo(const QString& path);

// The pictures (RGB32) of video frames `frames` (0-based, in decoding order) of `path`'s
// first video stream; a frame past the end gives a null picture.
QList<QImage> ReadVideoFrames(const QString& path, const QList<qint64>& frames);

// The decoded sound of `path`'s first audio stream as interleaved 16-bit samples, with its
// sample rate and channel count; empty when there is none.
QList<qint16> ReadAudioSamples(const QString& path, int& sampleRate, int& channels);
