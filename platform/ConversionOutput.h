#pragma once
// ConversionOutput: the output file of a conversion, over libavformat and libavcodec: one
// video stream and one audio stream (interleaved signed 16-bit stereo in), multiplexed
// into the preset's container. Used by the conversion library's encoding thread; not a
// public interface.
//
// Open and Close run in any one thread at a time; WriteVideo, WriteAudio and Finish must
// follow Open in one thread. Every call that fails answers false with a Chinese text
// naming the file in `error`; the file then stays as far as it was written, and Close
// releases everything.

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

#include "platform/ConversionPresets.h"

struct ConversionOutputSettings {
    QString path;
    ConversionPreset preset;
    FrameRate rate;
    int gopSize = 12;
    int width = 720;
    int height = 576;
    bool highQuality = false;
    qint64 maxBitRate = 0;  // bit/s ceiling of the high quality; 0 = none
};

class ConversionOutput {
public:
    ConversionOutput();
    ~ConversionOutput();
    ConversionOutput(const ConversionOutput&) = delete;
    ConversionOutput& operator=(const ConversionOutput&) = delete;

    // Creates the encoders and the file and writes the container's header.
    bool Open(const ConversionOutputSettings& settings, QString& error);
    // Encodes `picture` as the next video frame; it is converted to the output's colours
    // and, when its size differs, scaled to the frame size.
    bool WriteVideo(const QImage& picture, QString& error);
    // Encodes `frames` sample frames of interleaved stereo at the preset's rate.
    bool WriteAudio(const int16_t* pcm, int frames, QString& error);
    // Drains the encoders and writes the container's trailer.
    bool Finish(QString& error);
    // Closes the file and frees everything; safe at any point and more than once.
    void Close();

    // Frames and sample frames encoded so far.
    qint64 videoFrames() const { return videoFrames_; }
    qint64 audioSamples() const { return audioSamples_; }
    int sampleRate() const { return sampleRate_; }
    // Seconds spent so far converting pictures to the output's colours, and encoding and
    // writing video frames.
    double colourSeconds() const { return colourNs_ / 1e9; }
    double encodeSeconds() const { return encodeNs_ / 1e9; }

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    qint64 videoFrames_ = 0;
    qint64 audioSamples_ = 0;
    int sampleRate_ = 0;
    qint64 colourNs_ = 0;
    qint64 encodeNs_ = 0;
};
