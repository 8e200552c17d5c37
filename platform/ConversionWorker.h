#pragma once
// The encoding thread of a conversion: takes output pictures from a short queue, writes
// them and the sound up to each picture's time into a ConversionOutput, and at the end cuts
// the sound at the last picture with a half-second fade-out. Used by the conversion
// library; not a public interface.

#include <QImage>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/ConversionOutput.h"

// Interleaved stereo sound at the output's rate, read in order by the encoding thread.
class PcmSource {
public:
    virtual ~PcmSource() = default;
    // Fills up to `frames` sample frames; answers how many (0 at the end of the sound).
    virtual qint64 Read(int16_t* out, qint64 frames) = 0;
};

class ConversionWorker {
public:
    // `output` is open; `sound` may be null (silence). Both outlive the worker's thread.
    ConversionWorker(ConversionOutput& output, PcmSource* sound, FrameRate rate);
    ~ConversionWorker();

    void Start();
    // Queues `picture` for `repeat` output frames. While the queue is full, calls `idle`
    // every few milliseconds; answers false when `idle` answered false or the thread has
    // stopped (failed or aborted).
    bool Push(const QImage& picture, int repeat, const std::function<bool()>& idle);
    // No more pictures: the thread writes the rest of the sound and closes the file.
    void Finish();
    // Stops the thread after the picture it is writing; the file is completed as far as it
    // was written.
    void Abort();
    // True once the thread has ended (after Finish, Abort or a failure).
    bool Ended() const { return ended_.load(); }
    void Join();

    bool Failed() const { return failed_.load(); }
    QString Error() const;
    qint64 FramesWritten() const { return frames_.load(); }
    qint64 SamplesWritten() const { return samples_.load(); }

    // Sound is written this far behind the pictures until the end is known, so that the
    // fade-out before the end can still be applied.
    static constexpr int kFadeMs = 500;
    static constexpr int kLagMs = 600;

private:
    struct Item {
        QImage picture;
        int repeat = 0;
    };
    void Run();
    bool WriteSound(qint64 until, qint64 end, QString& error);

    ConversionOutput& output_;
    PcmSource* sound_;
    FrameRate rate_;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Item> queue_;
    bool finishing_ = false;
    std::atomic<bool> abort_{false};
    std::atomic<bool> ended_{false};
    std::atomic<bool> failed_{false};
    std::atomic<qint64> frames_{0};
    std::atomic<qint64> samples_{0};
    QString error_;
    bool soundEnded_ = false;
    static constexpr size_t kQueueSize = 3;
};
