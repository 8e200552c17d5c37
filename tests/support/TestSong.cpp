#include "tests/support/TestSong.h"

#include <QFile>
#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace {
constexpr double kPi = 3.14159265358979323846;

float Sample(long long i, int rate, int channel) {
    const double t = double(i) / rate;
    const int step = int(t / 0.3);
    const double hz = 220.0 * (1 + step % 5) + 30 * channel;
    // Every other step is loud noise-like overtones, so the VBR encoder's rate swings.
    double v = 0.4 * std::sin(2 * kPi * hz * t);
    if (step % 2) v += 0.2 * std::sin(2 * kPi * 5333 * t) * std::sin(2 * kPi * 7919 * t * t);
    return float(v);
}
}  // namespace

QString WriteTestSong(const QString& path, const TestSongOptions& o) {
    const AVCodec* codec = avcodec_find_encoder_by_name("libmp3lame");
    if (!codec) return QString();
    const QByteArray file = QFile::encodeName(path);
    AVFormatContext* format = nullptr;
    if (avformat_alloc_output_context2(&format, nullptr, "mp3", file.constData()) < 0) return QString();
    if (!o.lengthHeader) av_opt_set_int(format->priv_data, "write_xing", 0, 0);
    AVCodecContext* ctx = avcodec_alloc_context3(codec);
    ctx->sample_rate = o.sampleRate;
    ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&ctx->ch_layout, o.channels);
    if (o.vbr) {
        ctx->flags |= AV_CODEC_FLAG_QSCALE;
        ctx->global_quality = FF_QP2LAMBDA * 4;
    } else {
        ctx->bit_rate = 128000;
    }
    AVStream* stream = avformat_new_stream(format, nullptr);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    bool ok = avcodec_open2(ctx, codec, nullptr) >= 0 &&
              avcodec_parameters_from_context(stream->codecpar, ctx) >= 0 &&
              avio_open(&format->pb, file.constData(), AVIO_FLAG_WRITE) >= 0 &&
              avformat_write_header(format, nullptr) >= 0;
    auto drain = [&] {
        while (avcodec_receive_packet(ctx, packet) == 0) {
            av_packet_rescale_ts(packet, ctx->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (av_interleaved_write_frame(format, packet) < 0) ok = false;
        }
    };
    const long long total = llround(o.seconds * o.sampleRate);
    for (long long at = 0; ok && at < total; at += ctx->frame_size) {
        frame->nb_samples = int(std::min<long long>(ctx->frame_size, total - at));
        frame->format = ctx->sample_fmt;
        frame->sample_rate = o.sampleRate;
        av_channel_layout_copy(&frame->ch_layout, &ctx->ch_layout);
        ok = av_frame_get_buffer(frame, 0) >= 0;
        for (int c = 0; ok && c < o.channels; ++c)
            for (int i = 0; i < frame->nb_samples; ++i)
                reinterpret_cast<float*>(frame->data[c])[i] = Sample(at + i, o.sampleRate, c);
        frame->pts = at;
        ok = ok && avcodec_send_frame(ctx, frame) >= 0;
        av_frame_unref(frame);
        drain();
    }
    if (ok) {
        avcodec_send_frame(ctx, nullptr);
        drain();
        ok = av_write_trailer(format) >= 0;
    }
    if (format->pb) avio_closep(&format->pb);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&ctx);
    avformat_free_context(format);
    return ok ? path : QString();
}

long long DecodedFrameCount(const QString& path, int* sampleRate) {
    AVFormatContext* format = nullptr;
    const QByteArray file = QFile::encodeName(path);
    if (avformat_open_input(&format, file.constData(), nullptr, nullptr) < 0) return -1;
    long long frames = -1;
    const int stream = avformat_find_stream_info(format, nullptr) < 0
                           ? -1
                           : av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    const AVCodec* codec = stream < 0 ? nullptr : avcodec_find_decoder(format->streams[stream]->codecpar->codec_id);
    AVCodecContext* ctx = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (ctx && avcodec_parameters_to_context(ctx, format->streams[stream]->codecpar) >= 0 &&
        avcodec_open2(ctx, codec, nullptr) >= 0) {
        if (sampleRate) *sampleRate = ctx->sample_rate;
        frames = 0;
        AVPacket* packet = av_packet_alloc();
        AVFrame* frame = av_frame_alloc();
        auto receive = [&] {
            while (avcodec_receive_frame(ctx, frame) == 0) {
                frames += frame->nb_samples;
                av_frame_unref(frame);
            }
        };
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == stream) avcodec_send_packet(ctx, packet);
            av_packet_unref(packet);
            receive();
        }
        avcodec_send_packet(ctx, nullptr);
        receive();
        av_frame_free(&frame);
        av_packet_free(&packet);
    }
    avcodec_free_context(&ctx);
    avformat_close_input(&format);
    return frames;
}
