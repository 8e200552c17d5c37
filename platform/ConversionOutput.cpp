#include "platform/ConversionOutput.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

QString AvText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

QString Failed(const QString& path, const QString& what, int code) {
    return QStringLiteral("无法写入视频文件 %1：%2（%3）")
        .arg(QFileInfo(path).fileName(), what, AvText(code));
}

// The sample format the sound encoder is given: interleaved 16-bit where it takes that,
// otherwise the first of its formats that StoreSamples writes.
AVSampleFormat SampleFormatOf(const AVCodec* codec) {
    static const AVSampleFormat kWritten[] = {AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_S16P, AV_SAMPLE_FMT_FLTP,
                                              AV_SAMPLE_FMT_FLT, AV_SAMPLE_FMT_S32P};
    if (!codec || !codec->sample_fmts)
        return AV_SAMPLE_FMT_S16;
    for (AVSampleFormat wanted : kWritten)
        for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
            if (*f == wanted)
                return wanted;
    return codec->sample_fmts[0];
}

// Writes one block of interleaved 16-bit stereo into `frame` in the frame's sample format.
void StoreSamples(const int16_t* pcm, AVFrame* frame) {
    const int n = frame->nb_samples;
    switch (frame->format) {
    case AV_SAMPLE_FMT_S16P:
        for (int c = 0; c < 2; ++c) {
            auto* out = reinterpret_cast<int16_t*>(frame->data[c]);
            for (int i = 0; i < n; ++i) out[i] = pcm[2 * i + c];
        }
        break;
    case AV_SAMPLE_FMT_FLTP:
        for (int c = 0; c < 2; ++c) {
            auto* out = reinterpret_cast<float*>(frame->data[c]);
            for (int i = 0; i < n; ++i) out[i] = pcm[2 * i + c] / 32768.0f;
        }
        break;
    case AV_SAMPLE_FMT_FLT: {
        auto* out = reinterpret_cast<float*>(frame->data[0]);
        for (int i = 0; i < 2 * n; ++i) out[i] = pcm[i] / 32768.0f;
        break;
    }
    case AV_SAMPLE_FMT_S32P:
        for (int c = 0; c < 2; ++c) {
            auto* out = reinterpret_cast<int32_t*>(frame->data[c]);
            for (int i = 0; i < n; ++i) out[i] = int32_t(pcm[2 * i + c]) * 65536;
        }
        break;
    default:  // interleaved 16-bit
        std::copy(pcm, pcm + 2 * n, reinterpret_cast<int16_t*>(frame->data[0]));
        break;
    }
}

}  // namespace

struct ConversionOutput::Impl {
    ConversionOutputSettings settings;
    AVFormatContext* format = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    AVFrame* videoFrame = nullptr;
    AVFrame* audioFrame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* sws = nullptr;
    QSize swsFrom;
    std::vector<int16_t> pending;  // one block of interleaved stereo for the sound encoder
    int audioFill = 0;             // sample frames waiting in pending
    bool fileOpen = false;
    bool headerWritten = false;

    bool drain(AVCodecContext* codec, AVStream* stream, QString& error);
    bool sendAudio(bool last, QString& error);
};

ConversionOutput::ConversionOutput() : d_(std::make_unique<Impl>()) {}
ConversionOutput::~ConversionOutput() { Close(); }

static AVCodecContext* OpenEncoder(const QString& name, const std::function<void(AVCodecContext*)>& setup,
                                   int formatFlags, QString& what) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name.toLatin1().constData());
    if (!codec) {
        what = QStringLiteral("没有编码器 %1").arg(name);
        return nullptr;
    }
    AVCodecContext* context = avcodec_alloc_context3(codec);
    setup(context);
    if (formatFlags & AVFMT_GLOBALHEADER)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(context, codec, nullptr) < 0) {
        // Some encoders refuse slice threads at some sizes; one thread always works.
        avcodec_free_context(&context);
        context = avcodec_alloc_context3(codec);
        setup(context);
        context->thread_count = 1;
        if (formatFlags & AVFMT_GLOBALHEADER)
            context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (int code = avcodec_open2(context, codec, nullptr); code < 0) {
            what = QStringLiteral("编码器 %1 无法打开（%2）").arg(name, AvText(code));
            avcodec_free_context(&context);
            return nullptr;
        }
    }
    return context;
}

bool ConversionOutput::Open(const ConversionOutputSettings& settings, QString& error) {
    Close();
    Impl& d = *d_;
    d.settings = settings;
    videoFrames_ = 0;
    audioSamples_ = 0;
    colourNs_ = encodeNs_ = 0;
    sampleRate_ = settings.preset.sampleRate;
    const QByteArray path = settings.path.toUtf8();
    const QString name = QFileInfo(settings.path).fileName();
    if (settings.width < 16 || settings.height < 16 || settings.width % 2 || settings.height % 2) {
        error = QStringLiteral("无法写入视频文件 %1：画面尺寸 %2 × %3 无效")
                    .arg(name).arg(settings.width).arg(settings.height);
        return false;
    }
    int code = avformat_alloc_output_context2(&d.format, nullptr,
                                              settings.preset.muxer.toLatin1().constData(),
                                              path.constData());
    if (code < 0 || !d.format) {
        error = Failed(settings.path, QStringLiteral("无法建立输出格式"), code);
        return false;
    }
    const int formatFlags = d.format->oformat->flags;

    const qint64 bitRate = VideoBitRate(settings.preset, settings.highQuality, settings.width, settings.height);
    QString what;
    d.video = OpenEncoder(settings.preset.videoCodec, [&](AVCodecContext* c) {
        c->width = settings.width;
        c->height = settings.height;
        c->pix_fmt = AV_PIX_FMT_YUV420P;
        c->time_base = AVRational{settings.rate.den, settings.rate.num};
        c->framerate = AVRational{settings.rate.num, settings.rate.den};
        c->gop_size = settings.gopSize;
        c->max_b_frames = settings.preset.bFrames;
        c->sample_aspect_ratio = AVRational{1, 1};
        c->thread_count = 2;
        if (settings.preset.constantQuality()) {
            // x264 at a constant quality; its own frame threads keep both cores busy.
            const int crf = settings.highQuality ? settings.preset.highCrf : settings.preset.standardCrf;
            av_opt_set(c->priv_data, "crf", QByteArray::number(crf).constData(), 0);
            av_opt_set(c->priv_data, "preset", "veryfast", 0);
            av_opt_set(c->priv_data, "profile", "high", 0);
            c->thread_type = FF_THREAD_FRAME;
            if (settings.highQuality && settings.maxBitRate > 0) {
                c->rc_max_rate = settings.maxBitRate;
                c->rc_buffer_size = int(std::min<qint64>(settings.maxBitRate * 2, INT32_MAX));
            }
            return;
        }
        c->bit_rate = bitRate;
        if (settings.highQuality && settings.maxBitRate > 0) {
            c->rc_max_rate = std::max(settings.maxBitRate, bitRate);
            c->rc_buffer_size = int(std::min<qint64>(c->rc_max_rate, 1835008 * 8));
        } else if (settings.preset.muxer == QLatin1String("vcd")) {
            // A constant rate, as video CDs are read at one speed.
            c->rc_min_rate = c->rc_max_rate = bitRate;
            c->rc_buffer_size = 40 * 1024 * 8;
        } else {
            c->rc_max_rate = bitRate * 2;
            c->rc_buffer_size = int(std::min<qint64>(bitRate, 1835008 * 8));
        }
        c->thread_type = FF_THREAD_SLICE;
    }, formatFlags, what);
    if (!d.video) {
        error = QStringLiteral("无法写入视频文件 %1：%2").arg(name, what);
        Close();
        return false;
    }
    d.audio = OpenEncoder(settings.preset.audioCodec, [&](AVCodecContext* c) {
        c->sample_rate = settings.preset.sampleRate;
        c->sample_fmt = SampleFormatOf(c->codec);
        av_channel_layout_default(&c->ch_layout, 2);
        c->bit_rate = settings.preset.audioKbps * 1000;
        c->time_base = AVRational{1, settings.preset.sampleRate};
    }, formatFlags, what);
    if (!d.audio) {
        error = QStringLiteral("无法写入视频文件 %1：%2").arg(name, what);
        Close();
        return false;
    }

    d.videoStream = avformat_new_stream(d.format, nullptr);
    avcodec_parameters_from_context(d.videoStream->codecpar, d.video);
    d.videoStream->time_base = d.video->time_base;
    d.videoStream->avg_frame_rate = d.video->framerate;
    d.audioStream = avformat_new_stream(d.format, nullptr);
    avcodec_parameters_from_context(d.audioStream->codecpar, d.audio);
    d.audioStream->time_base = d.audio->time_base;

    // Program streams carry a fixed multiplex rate; raise it when the chosen rates need more
    // than the standard's, so that the muxer never runs short.
    if (settings.preset.programStream()) {
        const qint64 needed = (std::max<qint64>(d.video->rc_max_rate, bitRate) + d.audio->bit_rate) * 11 / 10;
        const qint64 standard = settings.preset.muxer == QLatin1String("vcd") ? 1411200 : 10080000;
        if (needed > standard)
            av_opt_set_int(d.format->priv_data, "muxrate", needed, 0);
    }

    if (!(formatFlags & AVFMT_NOFILE)) {
        code = avio_open(&d.format->pb, path.constData(), AVIO_FLAG_WRITE);
        if (code < 0) {
            error = Failed(settings.path, QStringLiteral("无法建立文件"), code);
            Close();
            return false;
        }
        d.fileOpen = true;
    }
    // MP4 and QuickTime files carry their index before the media, so they play while
    // they download.
    AVDictionary* options = nullptr;
    if (settings.preset.muxer == QLatin1String("mp4") || settings.preset.muxer == QLatin1String("mov"))
        av_dict_set(&options, "movflags", "+faststart", 0);
    code = avformat_write_header(d.format, &options);
    av_dict_free(&options);
    if (code < 0) {
        error = Failed(settings.path, QStringLiteral("无法写入文件头"), code);
        Close();
        return false;
    }
    d.headerWritten = true;

    d.videoFrame = av_frame_alloc();
    d.videoFrame->format = AV_PIX_FMT_YUV420P;
    d.videoFrame->width = settings.width;
    d.videoFrame->height = settings.height;
    av_frame_get_buffer(d.videoFrame, 0);
    d.audioFrame = av_frame_alloc();
    d.audioFrame->format = d.audio->sample_fmt;
    d.audioFrame->sample_rate = settings.preset.sampleRate;
    av_channel_layout_default(&d.audioFrame->ch_layout, 2);
    d.audioFrame->nb_samples = d.audio->frame_size > 0 ? d.audio->frame_size : 1152;
    av_frame_get_buffer(d.audioFrame, 0);
    d.pending.assign(size_t(d.audioFrame->nb_samples) * 2, 0);
    d.packet = av_packet_alloc();
    return true;
}

bool ConversionOutput::Impl::drain(AVCodecContext* codec, AVStream* stream, QString& error) {
    for (;;) {
        int code = avcodec_receive_packet(codec, packet);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
            return true;
        if (code < 0) {
            error = Failed(settings.path, QStringLiteral("编码失败"), code);
            return false;
        }
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        code = av_interleaved_write_frame(format, packet);
        if (code < 0 || (format->pb && format->pb->error < 0)) {
            error = Failed(settings.path, QStringLiteral("写入失败"), code < 0 ? code : format->pb->error);
            return false;
        }
    }
}

bool ConversionOutput::WriteVideo(const QImage& picture, QString& error) {
    Impl& d = *d_;
    QImage source = picture;
    if (source.format() != QImage::Format_RGB32 && source.format() != QImage::Format_ARGB32)
        source = source.convertToFormat(QImage::Format_RGB32);
    if (!d.sws || d.swsFrom != source.size()) {
        sws_freeContext(d.sws);
        d.sws = sws_getContext(source.width(), source.height(), AV_PIX_FMT_RGB32,
                               d.settings.width, d.settings.height, AV_PIX_FMT_YUV420P,
                               source.size() == QSize(d.settings.width, d.settings.height)
                                   ? SWS_POINT : SWS_BICUBIC,
                               nullptr, nullptr, nullptr);
        d.swsFrom = source.size();
    }
    int code = av_frame_make_writable(d.videoFrame);
    if (code < 0 || !d.sws) {
        error = Failed(d.settings.path, QStringLiteral("内存不足"), code);
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    const uint8_t* planes[1] = {source.constBits()};
    const int strides[1] = {int(source.bytesPerLine())};
    sws_scale(d.sws, planes, strides, 0, source.height(), d.videoFrame->data, d.videoFrame->linesize);
    colourNs_ += clock.nsecsElapsed();
    clock.restart();
    d.videoFrame->pts = videoFrames_;
    code = avcodec_send_frame(d.video, d.videoFrame);
    if (code < 0) {
        error = Failed(d.settings.path, QStringLiteral("编码失败"), code);
        return false;
    }
    ++videoFrames_;
    const bool ok = d.drain(d.video, d.videoStream, error);
    encodeNs_ += clock.nsecsElapsed();
    return ok;
}

bool ConversionOutput::Impl::sendAudio(bool last, QString& error) {
    if (audioFill == 0)
        return true;
    if (audioFill < audioFrame->nb_samples) {
        if (!last)
            return true;
        // The last block is padded with silence (the encoder takes whole blocks only).
        std::fill(pending.begin() + audioFill * 2, pending.end(), int16_t(0));
    }
    if (int code = av_frame_make_writable(audioFrame); code < 0) {
        error = Failed(settings.path, QStringLiteral("内存不足"), code);
        return false;
    }
    StoreSamples(pending.data(), audioFrame);
    int code = avcodec_send_frame(audio, audioFrame);
    audioFill = 0;
    if (code < 0) {
        error = Failed(settings.path, QStringLiteral("声音编码失败"), code);
        return false;
    }
    return drain(audio, audioStream, error);
}

bool ConversionOutput::WriteAudio(const int16_t* pcm, int frames, QString& error) {
    Impl& d = *d_;
    while (frames > 0) {
        if (d.audioFill == 0)
            d.audioFrame->pts = audioSamples_;
        const int room = d.audioFrame->nb_samples - d.audioFill;
        const int take = std::min(room, frames);
        std::copy(pcm, pcm + take * 2, d.pending.begin() + d.audioFill * 2);
        d.audioFill += take;
        pcm += take * 2;
        frames -= take;
        audioSamples_ += take;
        if (d.audioFill == d.audioFrame->nb_samples && !d.sendAudio(false, error))
            return false;
    }
    return true;
}

bool ConversionOutput::Finish(QString& error) {
    Impl& d = *d_;
    if (!d.sendAudio(true, error))
        return false;
    avcodec_send_frame(d.video, nullptr);
    if (!d.drain(d.video, d.videoStream, error))
        return false;
    avcodec_send_frame(d.audio, nullptr);
    if (!d.drain(d.audio, d.audioStream, error))
        return false;
    int code = av_write_trailer(d.format);
    d.headerWritten = false;
    if (code >= 0 && d.format->pb)
        avio_flush(d.format->pb);
    if (code < 0 || (d.format->pb && d.format->pb->error < 0)) {
        error = Failed(d.settings.path, QStringLiteral("写入失败"), code < 0 ? code : d.format->pb->error);
        return false;
    }
    if (d.fileOpen) {
        code = avio_closep(&d.format->pb);
        d.fileOpen = false;
        if (code < 0) {
            error = Failed(d.settings.path, QStringLiteral("写入失败"), code);
            return false;
        }
    }
    return true;
}

void ConversionOutput::Close() {
    Impl& d = *d_;
    if (d.format && d.headerWritten)
        av_write_trailer(d.format);
    d.headerWritten = false;
    if (d.format && d.fileOpen)
        avio_closep(&d.format->pb);
    d.fileOpen = false;
    avformat_free_context(d.format);
    d.format = nullptr;
    avcodec_free_context(&d.video);
    avcodec_free_context(&d.audio);
    av_frame_free(&d.videoFrame);
    av_frame_free(&d.audioFrame);
    av_packet_free(&d.packet);
    sws_freeContext(d.sws);
    d.sws = nullptr;
    d.audioFill = 0;
}
