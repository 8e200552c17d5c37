#include "platform/AudioDecoder.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/intreadwrite.h>
#include <libswresample/swresample.h>
}

namespace {

// FFmpeg reports through its own log on stderr; the program reports through its messages.
void SilenceLibraryLog() {
    static const bool once = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    (void)once;
}

QString NotAudioMessage(const QString& path) {
    return "无法打开音乐文件：" + path + "（不是可以播放的音频文件）";
}

QString DamagedMessage(const QString& path) { return "音乐文件已损坏，无法解码：" + path; }

// The index of the file's first audio stream, or -1.
int FirstAudioStream(const AVFormatContext* format) {
    for (unsigned i = 0; i < format->nb_streams; ++i)
        if (format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) return int(i);
    return -1;
}

// Opens `path` for demuxing; answers null with `error` set when it is no media file or
// holds no audio stream with a sample rate and channels.
AVFormatContext* OpenAudioFile(const QString& path, int& stream, QString& error) {
    SilenceLibraryLog();
    if (!QFileInfo(path).isFile()) {
        error = "找不到音乐文件：" + path;
        return nullptr;
    }
    AVFormatContext* format = nullptr;
    const QByteArray name = QFile::encodeName(path);
    if (avformat_open_input(&format, name.constData(), nullptr, nullptr) < 0) {
        error = NotAudioMessage(path);
        return nullptr;
    }
    stream = avformat_find_stream_info(format, nullptr) < 0 ? -1 : FirstAudioStream(format);
    const AVCodecParameters* par = stream < 0 ? nullptr : format->streams[stream]->codecpar;
    if (!par || par->sample_rate <= 0 || par->ch_layout.nb_channels <= 0) {
        avformat_close_input(&format);
        error = NotAudioMessage(path);
        return nullptr;
    }
    return format;
}

}  // namespace

AudioDecoder::~AudioDecoder() { Close(); }

void AudioDecoder::Close() {
    swr_free(&resampler_);
    avcodec_free_context(&codec_);
    avformat_close_input(&format_);
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    av_freep(&pending_);
    pendingCapacity_ = pendingFrames_ = pendingAt_ = 0;
    stream_ = -1;
    demuxDone_ = decoderDone_ = flushed_ = false;
    skipFrames_ = 0;
    seekTargetMs_ = -1;
}

bool AudioDecoder::Open(const QString& path, int sampleRate, int channels, QString& error) {
    Close();
    if (sampleRate < 8000 || sampleRate > 192000 || channels < 1 || channels > 2) {
        error = "无法解码音乐文件：" + path + "（不支持的采样率或声道数）";
        return false;
    }
    path_ = path;
    sampleRate_ = sampleRate;
    channels_ = channels;
    format_ = OpenAudioFile(path, stream_, error);
    if (!format_) return false;
    const AVCodecParameters* par = format_->streams[stream_]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(par->codec_id);
    codec_ = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!codec_ || avcodec_parameters_to_context(codec_, par) < 0 || avcodec_open2(codec_, codec, nullptr) < 0) {
        Close();
        error = NotAudioMessage(path);
        return false;
    }
    packet_ = av_packet_alloc();
    frame_ = av_frame_alloc();
    // A file the demuxer accepts by its extension alone (a text file named .mp3) gives no
    // frame at all: decoding the first one here makes Open the place where it fails.
    QString decodeError;
    const bool decoded = decodeFrame(decodeError) == 1 && convert(frame_);
    av_frame_unref(frame_);
    if (!decoded) {
        Close();
        error = NotAudioMessage(path);
        return false;
    }
    return true;
}

int AudioDecoder::decodeFrame(QString& error) {
    for (;;) {
        const int got = avcodec_receive_frame(codec_, frame_);
        if (got == 0) return 1;
        if (got == AVERROR_EOF) {
            decoderDone_ = true;
            return 0;
        }
        if (got != AVERROR(EAGAIN)) {
            error = DamagedMessage(path_);
            return -1;
        }
        if (demuxDone_) {
            decoderDone_ = true;
            return 0;
        }
        const int read = av_read_frame(format_, packet_);
        if (read < 0) {
            demuxDone_ = true;
            avcodec_send_packet(codec_, nullptr);
            continue;
        }
        if (packet_->stream_index == stream_) {
            // A damaged packet is dropped; the decoder goes on with the next one.
            const int sent = avcodec_send_packet(codec_, packet_);
            if (sent < 0 && sent != AVERROR(EAGAIN) && sent != AVERROR_INVALIDDATA) {
                av_packet_unref(packet_);
                error = DamagedMessage(path_);
                return -1;
            }
        }
        av_packet_unref(packet_);
    }
}

bool AudioDecoder::convert(const AVFrame* frame) {
    if (frame && !resampler_) {
        AVChannelLayout out;
        av_channel_layout_default(&out, channels_);
        AVChannelLayout in;
        if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame->ch_layout.nb_channels <= 0)
            av_channel_layout_default(&in, std::max(1, frame->ch_layout.nb_channels));
        else
            av_channel_layout_copy(&in, &frame->ch_layout);
        const int made = swr_alloc_set_opts2(&resampler_, &out, AV_SAMPLE_FMT_S16, sampleRate_, &in,
                                             AVSampleFormat(frame->format), frame->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&in);
        av_channel_layout_uninit(&out);
        if (made < 0 || swr_init(resampler_) < 0) {
            swr_free(&resampler_);
            return false;
        }
        inputRate_ = frame->sample_rate;
        inputFormat_ = frame->format;
        inputChannels_ = frame->ch_layout.nb_channels;
    }
    if (!resampler_) return false;
    const int inFrames = frame ? frame->nb_samples : 0;
    const int room = swr_get_out_samples(resampler_, inFrames);
    if (room < 0) return false;
    if (room > pendingCapacity_) {
        av_freep(&pending_);
        pending_ = static_cast<int16_t*>(av_malloc(size_t(room) * channels_ * sizeof(int16_t)));
        pendingCapacity_ = pending_ ? room : 0;
        if (!pending_) return false;
    }
    uint8_t* outPlanes[1] = {reinterpret_cast<uint8_t*>(pending_)};
    const int made = swr_convert(resampler_, outPlanes, room,
                                 frame ? const_cast<const uint8_t**>(frame->extended_data) : nullptr, inFrames);
    if (made < 0) return false;
    pendingFrames_ = made;
    pendingAt_ = 0;
    // After a seek the first frame tells where the stream really landed; the frames before
    // the wanted time are dropped.
    if (frame && seekTargetMs_ >= 0) {
        const AVStream* st = format_->streams[stream_];
        const int64_t pts = frame->best_effort_timestamp;
        if (pts != AV_NOPTS_VALUE) {
            const int64_t atMs = av_rescale_q(pts, st->time_base, AVRational{1, 1000});
            skipFrames_ = std::max<int64_t>(0, (seekTargetMs_ - atMs) * sampleRate_ / 1000);
        }
        seekTargetMs_ = -1;
    }
    const qint64 dropped = std::min(skipFrames_, pendingFrames_);
    pendingAt_ = dropped;
    skipFrames_ -= dropped;
    return true;
}

qint64 AudioDecoder::Read(int16_t* out, qint64 maxFrames, QString& error) {
    if (!format_) {
        error = "音乐文件没有打开";
        return -1;
    }
    qint64 written = 0;
    while (written < maxFrames) {
        if (pendingAt_ < pendingFrames_) {
            const qint64 take = std::min(maxFrames - written, pendingFrames_ - pendingAt_);
            std::memcpy(out + written * channels_, pending_ + pendingAt_ * channels_,
                        size_t(take) * channels_ * sizeof(int16_t));
            pendingAt_ += take;
            written += take;
            continue;
        }
        if (decoderDone_) {
            if (flushed_) break;
            flushed_ = true;
            if (!convert(nullptr)) break;
            continue;
        }
        const int got = decodeFrame(error);
        if (got < 0) return written > 0 ? written : -1;
        if (got == 0) continue;
        if (frame_->sample_rate != inputRate_ || frame_->format != inputFormat_ ||
            frame_->ch_layout.nb_channels != inputChannels_)
            swr_free(&resampler_);  // the stream changed its format: a new resampler for it
        const bool ok = convert(frame_);
        av_frame_unref(frame_);
        if (!ok) {
            error = DamagedMessage(path_);
            return written > 0 ? written : -1;
        }
    }
    return written;
}

bool AudioDecoder::SeekMs(qint64 ms) {
    if (!format_) return false;
    ms = std::max<qint64>(0, ms);
    const AVStream* st = format_->streams[stream_];
    const int64_t target = av_rescale_q(ms, AVRational{1, 1000}, st->time_base);
    if (av_seek_frame(format_, stream_, target, AVSEEK_FLAG_BACKWARD) < 0 &&
        av_seek_frame(format_, stream_, target, AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) < 0)
        return false;
    avcodec_flush_buffers(codec_);
    swr_free(&resampler_);
    pendingFrames_ = pendingAt_ = 0;
    demuxDone_ = decoderDone_ = flushed_ = false;
    skipFrames_ = 0;
    seekTargetMs_ = ms;
    return true;
}

bool MeasureAudioLength(const QString& path, qint64& ms, QString& error) {
    ms = 0;
    {
        // Proves that the file decodes as audio (a text file named .mp3 does not).
        AudioDecoder probe;
        if (!probe.Open(path, 44100, 2, error)) return false;
    }
    int stream = -1;
    AVFormatContext* format = OpenAudioFile(path, stream, error);
    if (!format) return false;
    const AVStream* st = format->streams[stream];
    const int rate = st->codecpar->sample_rate;
    AVPacket* packet = av_packet_alloc();
    int64_t duration = 0;  // in the stream's time base
    int64_t skipped = 0;   // sample frames the decoder drops (encoder delay and padding)
    bool everyPacketTimed = true;
    while (av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == stream) {
            if (packet->duration > 0)
                duration += packet->duration;
            else
                everyPacketTimed = false;
            size_t size = 0;
            if (const uint8_t* skip = av_packet_get_side_data(packet, AV_PKT_DATA_SKIP_SAMPLES, &size);
                skip && size >= 8)
                skipped += int64_t(AV_RL32(skip)) + int64_t(AV_RL32(skip + 4));
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    const AVRational timeBase = st->time_base;
    avformat_close_input(&format);
    if (everyPacketTimed) {
        const int64_t frames = av_rescale_q(duration, timeBase, AVRational{1, rate}) - skipped;
        ms = std::max<int64_t>(0, frames) * 1000 / rate;
        return true;
    }
    // Packets without durations: count what the stream decodes to.
    AudioDecoder decoder;
    if (!decoder.Open(path, rate, 1, error)) return false;
    int16_t buffer[4096];
    qint64 frames = 0;
    for (;;) {
        const qint64 got = decoder.Read(buffer, 4096, error);
        if (got < 0) return false;
        if (got == 0) break;
        frames += got;
    }
    ms = frames * 1000 / rate;
    return true;
}
