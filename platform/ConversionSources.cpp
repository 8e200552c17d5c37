#include "platform/ConversionSources.h"

#include <QFileInfo>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

bool IsStillPicture(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("bmp") || suffix == QLatin1String("jpg") ||
           suffix == QLatin1String("jpeg") || suffix == QLatin1String("png");
}

struct MovieFrames::Impl {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* sws = nullptr;
    int stream = -1;
    bool flushing = false;
    qint64 nextStart = 0;
};

MovieFrames::MovieFrames() : d_(std::make_unique<Impl>()) {}
MovieFrames::~MovieFrames() { Close(); }

bool MovieFrames::Open(const QString& path, QString& error) {
    Close();
    const QString name = QFileInfo(path).fileName();
    Impl& d = *d_;
    const QByteArray file = path.toUtf8();
    if (avformat_open_input(&d.format, file.constData(), nullptr, nullptr) < 0 ||
        avformat_find_stream_info(d.format, nullptr) < 0) {
        error = QStringLiteral("无法读取视频文件 %1").arg(name);
        Close();
        return false;
    }
    const AVCodec* decoder = nullptr;
    d.stream = av_find_best_stream(d.format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (d.stream < 0 || !decoder) {
        error = QStringLiteral("视频文件 %1 中没有画面").arg(name);
        Close();
        return false;
    }
    d.codec = avcodec_alloc_context3(decoder);
    avcodec_parameters_to_context(d.codec, d.format->streams[d.stream]->codecpar);
    if (avcodec_open2(d.codec, decoder, nullptr) < 0) {
        error = QStringLiteral("无法解码视频文件 %1").arg(name);
        Close();
        return false;
    }
    d.frame = av_frame_alloc();
    d.packet = av_packet_alloc();
    return true;
}

bool MovieFrames::Next(QImage& picture, qint64& start) {
    Impl& d = *d_;
    if (!d.codec)
        return false;
    const AVStream* stream = d.format->streams[d.stream];
    AVRational rate = stream->avg_frame_rate.num ? stream->avg_frame_rate : AVRational{25, 1};
    const qint64 frameUnits = av_rescale(kTimeUnitsPerSecond, rate.den, rate.num);
    for (;;) {
        int code = avcodec_receive_frame(d.codec, d.frame);
        if (code == 0) {
            // Frames are laid end to end at the stream's rate; a program stream's first
            // time stamp is not zero, and its gaps are not the movie's.
            start = d.nextStart;
            d.nextStart += frameUnits;
            end_ = d.nextStart;
            d.sws = sws_getCachedContext(d.sws, d.frame->width, d.frame->height,
                                         AVPixelFormat(d.frame->format), d.frame->width,
                                         d.frame->height, AV_PIX_FMT_RGB32, SWS_BICUBIC,
                                         nullptr, nullptr, nullptr);
            picture = QImage(d.frame->width, d.frame->height, QImage::Format_RGB32);
            uint8_t* planes[1] = {picture.bits()};
            int strides[1] = {int(picture.bytesPerLine())};
            sws_scale(d.sws, d.frame->data, d.frame->linesize, 0, d.frame->height, planes, strides);
            av_frame_unref(d.frame);
            return true;
        }
        if (code != AVERROR(EAGAIN) || d.flushing)
            return false;  // the end, or a damaged end: the frames so far stand
        if (av_read_frame(d.format, d.packet) < 0) {
            d.flushing = true;
            avcodec_send_packet(d.codec, nullptr);
            continue;
        }
        if (d.packet->stream_index == d.stream)
            avcodec_send_packet(d.codec, d.packet);
        av_packet_unref(d.packet);
    }
}

void MovieFrames::Close() {
    Impl& d = *d_;
    avcodec_free_context(&d.codec);
    avformat_close_input(&d.format);
    av_frame_free(&d.frame);
    av_packet_free(&d.packet);
    sws_freeContext(d.sws);
    d = Impl{};
    end_ = 0;
}

qint64 CountMovieFrames(const QString& path) {
    AVFormatContext* format = nullptr;
    const QByteArray file = path.toUtf8();
    if (avformat_open_input(&format, file.constData(), nullptr, nullptr) < 0)
        return 0;
    qint64 frames = 0;
    if (avformat_find_stream_info(format, nullptr) >= 0) {
        const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (index >= 0) {
            const AVStream* stream = format->streams[index];
            AVRational rate = stream->avg_frame_rate.num ? stream->avg_frame_rate : AVRational{25, 1};
            if (stream->nb_frames > 0)
                frames = stream->nb_frames;
            else if (format->duration > 0)
                frames = av_rescale(format->duration, rate.num, qint64(rate.den) * AV_TIME_BASE);
        }
    }
    avformat_close_input(&format);
    return frames;
}

bool FrameTimeline::EmitUntil(qint64 time) {
    qint64 frames = 0;
    while (OutputStart(emitted_ + frames) < time)
        ++frames;
    if (frames == 0)
        return true;
    emitted_ += frames;
    return emit_(pending_, int(frames));
}

bool FrameTimeline::Add(const QImage& picture, qint64 start) {
    if (!keep_) {
        ++emitted_;
        return emit_(picture, 1);
    }
    if (hasPending_ && !EmitUntil(start))
        return false;
    pending_ = picture;
    hasPending_ = true;
    return true;
}

bool FrameTimeline::Finish(qint64 end) {
    if (!keep_ || !hasPending_)
        return true;
    const bool ok = EmitUntil(end);
    pending_ = QImage();
    hasPending_ = false;
    return ok;
}
