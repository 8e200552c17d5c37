#include "platform/MusicPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>

#include "platform/AudioDecoder.h"

namespace {
constexpr int kSoundRate = 44100;
constexpr int kSoundChannels = 2;
}  // namespace

// The decoded file as the byte stream the audio output pulls from.
class DecodedAudioStream : public QIODevice {
public:
    explicit DecodedAudioStream(AudioDecoder& decoder, QObject* parent) : QIODevice(parent), decoder_(decoder) {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return atEnd_ ? 0 : 4096 + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 frameBytes = kSoundChannels * qint64(sizeof(int16_t));
        const qint64 frames = maxSize / frameBytes;
        if (atEnd_ || frames == 0) return atEnd_ ? -1 : 0;
        QString error;
        const qint64 got = decoder_.Read(reinterpret_cast<int16_t*>(data), frames, error);
        if (got <= 0) {
            atEnd_ = true;
            return -1;
        }
        return got * frameBytes;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    AudioDecoder& decoder_;
    bool atEnd_ = false;
};

MusicPlayer::MusicPlayer(QObject* parent) : QObject(parent), decoder_(std::make_unique<AudioDecoder>()) {}

MusicPlayer::~MusicPlayer() { stopSound(); }

bool MusicPlayer::Load(const QString& path, QString& error) {
    Stop();
    loaded_ = false;
    lengthMs_ = positionMs_ = 0;
    loadedPath_.clear();
    qint64 length = 0;
    if (!MeasureAudioLength(path, length, error)) return false;
    loadedPath_ = path;
    lengthMs_ = length;
    loaded_ = true;
    return true;
}

void MusicPlayer::Play() {
    if (!loaded_ || playing_ || positionMs_ >= lengthMs_) return;
    playing_ = true;
    startSound();  // first: opening the device may take a while, and the clock is what counts
    clock_.start();
}

void MusicPlayer::Stop() {
    if (!playing_) return;
    positionMs_ = Position();
    playing_ = false;
    stopSound();
}

qint64 MusicPlayer::Position() const {
    if (!playing_) return positionMs_;
    return std::min(lengthMs_, positionMs_ + clock_.elapsed());
}

bool MusicPlayer::reachedEnd() const { return playing_ && positionMs_ + clock_.elapsed() >= lengthMs_; }

MusicMode MusicPlayer::Mode() const {
    if (!loaded_) return MusicMode::NotReady;
    return playing_ && !reachedEnd() ? MusicMode::Playing : MusicMode::Stopped;
}

// Sound goes to the default output when there is one that takes 16-bit stereo at 44.1 kHz;
// otherwise the clock plays alone.
void MusicPlayer::startSound() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(kSoundRate);
    format.setChannelCount(kSoundChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    QString error;
    if (!decoder_->Open(loadedPath_, kSoundRate, kSoundChannels, error) || !decoder_->SeekMs(positionMs_)) {
        decoder_->Close();
        return;
    }
    stream_ = new DecodedAudioStream(*decoder_, this);
    stream_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // The file's sound has run out, or the device failed: the clock goes on alone.
        if (sink_ && (state == QAudio::IdleState || sink_->error() != QAudio::NoError)) stopSound();
    });
    sink_->start(stream_);
}

void MusicPlayer::stopSound() {
    if (sink_) {
        QAudioSink* sink = sink_;
        sink_ = nullptr;
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }
    if (stream_) {
        stream_->close();
        stream_->deleteLater();
        stream_ = nullptr;
    }
    decoder_->Close();
}

bool SwitchMusic(MusicPlayer& player, const QString& path, bool play, QString& error) {
    if (!player.FileName().isEmpty()) player.Stop();
    player.SetFileName(QString());
    player.SetFileName(path);
    if (!player.Load(path, error)) return false;
    if (play)
        player.Play();
    else
        player.Stop();
    return true;
}
