#pragma once
// Audio files through FFmpeg: decoding a file's first audio stream to interleaved signed
// 16-bit PCM at the rate and channel count the caller asks for, and measuring a file's
// true length.
//
// No call ends the process or prints anything: every failure comes back as a Chinese
// message that names the file and that the caller can show as it stands. A file that is
// not audio (a text file named .mp3, an empty file, a picture) fails at Open. The first
// call sets FFmpeg's own log to quiet for the whole process.

#include <QString>
#include <QtGlobal>
#include <cstdint>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwrContext;

class AudioDecoder {
public:
    AudioDecoder() = default;
    ~AudioDecoder();
    AudioDecoder(const AudioDecoder&) = delete;
    AudioDecoder& operator=(const AudioDecoder&) = delete;

    // Opens the file at `path` and prepares its first audio stream for decoding into
    // `sampleRate` Hz (8000 ... 192000) with `channels` channels (1 or 2; other layouts are
    // mixed down or spread out by libswresample). A decoder that was open is closed first.
    // Answers false with `error` set when the file cannot be opened, holds no audio stream
    // or its stream cannot be decoded (then the decoder is closed).
    bool Open(const QString& path, int sampleRate, int channels, QString& error);

    // Decodes up to `maxFrames` sample frames (a frame is one sample per channel) into
    // `out`, which must hold maxFrames × channels values. Answers the number of frames
    // written, 0 at the end of the stream, or -1 with `error` set when the data cannot be
    // decoded at all. Damaged packets inside a stream are skipped, as players skip them.
    // Reading a closed decoder answers -1.
    qint64 Read(int16_t* out, qint64 maxFrames, QString& error);

    // Moves to `ms` milliseconds from the start: the next Read starts with the frame at that
    // time (or at the end when `ms` lies past it). Answers false when the decoder is closed
    // or the file cannot be positioned; the position is then unspecified.
    bool SeekMs(qint64 ms);

    // Frees everything; a closed decoder may be opened again. The destructor closes.
    void Close();

    bool isOpen() const { return format_ != nullptr; }
    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }

private:
    // Decodes the next frame into frame_; answers 1 for a frame, 0 at the end, -1 on error.
    int decodeFrame(QString& error);
    // Converts frame_ (or the resampler's remainder when frame_ is null) into pending_.
    bool convert(const AVFrame* frame);

    QString path_;
    int sampleRate_ = 0;
    int channels_ = 0;
    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    SwrContext* resampler_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* frame_ = nullptr;
    int stream_ = -1;
    bool demuxDone_ = false;   // no more packets: the decoder has been sent its flush
    bool decoderDone_ = false; // the decoder has given its last frame
    bool flushed_ = false;     // the resampler's remainder has been taken
    qint64 skipFrames_ = 0;    // output frames still to drop after a seek
    qint64 seekTargetMs_ = -1; // the time asked for by the last seek, until its first frame
    int inputRate_ = 0;        // what the resampler was made for
    int inputFormat_ = -1;
    int inputChannels_ = 0;
    // Converted samples not yet handed out, interleaved.
    int16_t* pending_ = nullptr;
    qint64 pendingCapacity_ = 0; // in frames
    qint64 pendingFrames_ = 0;
    qint64 pendingAt_ = 0;       // first frame not yet handed out
};

// The true length of the audio file at `path` in milliseconds: the number of sample frames
// its first audio stream decodes to, divided by its sample rate. The file is read packet by
// packet (without decoding where the packets carry their durations), so a variable-bit-rate
// MP3 without a length header is measured, not estimated from its first frame's bit rate.
// Answers false with `error` set as AudioDecoder::Open does.
bool MeasureAudioLength(const QString& path, qint64& ms, QString& error);
