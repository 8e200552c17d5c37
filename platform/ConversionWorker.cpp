#include "platform/ConversionWorker.h"

#include <chrono>
#include <vector>

ConversionWorker::ConversionWorker(ConversionOutput& output, PcmSource* sound, FrameRate rate)
    : output_(output), sound_(sound), rate_(rate) {}

ConversionWorker::~ConversionWorker() {
    Abort();
    Join();
}

void ConversionWorker::Start() {
    thread_ = std::thread([this] { Run(); });
}

bool ConversionWorker::Push(const QImage& picture, int repeat, const std::function<bool()>& idle) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (ended_ || abort_)
            return false;
        if (queue_.size() < kQueueSize)
            break;
        changed_.wait_for(lock, std::chrono::milliseconds(5));
        if (queue_.size() >= kQueueSize) {
            lock.unlock();
            const bool goOn = idle();
            lock.lock();
            if (!goOn)
                return false;
        }
    }
    queue_.push_back({picture, repeat});
    changed_.notify_all();
    return true;
}

void ConversionWorker::Finish() {
    std::lock_guard lock(mutex_);
    finishing_ = true;
    changed_.notify_all();
}

void ConversionWorker::Abort() {
    abort_ = true;
    std::lock_guard lock(mutex_);
    changed_.notify_all();
}

void ConversionWorker::Join() {
    if (thread_.joinable())
        thread_.join();
}

QString ConversionWorker::Error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

// Writes sound up to sample frame `until`. With `end` >= 0, the sound ends at `end` and
// fades out over the last kFadeMs before it.
bool ConversionWorker::WriteSound(qint64 until, qint64 end, QString& error) {
    const int rate = output_.sampleRate();
    const qint64 fade = qint64(rate) * kFadeMs / 1000;
    std::vector<int16_t> block(4096 * 2);
    while (output_.audioSamples() < until) {
        const qint64 at = output_.audioSamples();
        const qint64 want = std::min<qint64>(4096, until - at);
        qint64 got = 0;
        if (sound_ && !soundEnded_) {
            got = sound_->Read(block.data(), want);
            if (got <= 0) {
                soundEnded_ = true;
                got = 0;
            }
        }
        std::fill(block.begin() + got * 2, block.begin() + want * 2, int16_t(0));
        if (end >= 0) {
            for (qint64 i = 0; i < want; ++i) {
                const qint64 left = end - (at + i);
                if (left < fade) {
                    block[i * 2] = int16_t(block[i * 2] * left / fade);
                    block[i * 2 + 1] = int16_t(block[i * 2 + 1] * left / fade);
                }
            }
        }
        if (!output_.WriteAudio(block.data(), int(want), error))
            return false;
        samples_ = output_.audioSamples();
    }
    return true;
}

void ConversionWorker::Run() {
    QString error;
    bool ok = true;
    const int sampleRate = output_.sampleRate();
    const qint64 lag = qint64(sampleRate) * kLagMs / 1000;
    auto samplesAt = [&](qint64 frames) {
        return frames * sampleRate * rate_.den / rate_.num;
    };
    for (;;) {
        Item item;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return abort_ || finishing_ || !queue_.empty(); });
            if (abort_)
                break;
            if (queue_.empty() && finishing_)
                break;
            item = std::move(queue_.front());
            queue_.pop_front();
            changed_.notify_all();
        }
        for (int r = 0; ok && r < item.repeat && !abort_; ++r) {
            const qint64 until = samplesAt(output_.videoFrames() + 1) - lag;
            ok = WriteSound(until, -1, error) && output_.WriteVideo(item.picture, error);
            frames_ = output_.videoFrames();
        }
        if (!ok)
            break;
    }
    if (ok) {
        const qint64 end = samplesAt(output_.videoFrames());
        ok = WriteSound(end, end, error) && output_.Finish(error);
    }
    {
        std::lock_guard lock(mutex_);
        error_ = error;
        failed_ = !ok;
        ended_ = true;
        changed_.notify_all();
    }
}
