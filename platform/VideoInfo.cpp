#include "platform/VideoInfo.h"

#include <QFileInfo>
#include <algorithm>

#include "platform/ConversionSources.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

int VideoFileInfo::CountStreams(bool video) const {
    return int(std::count_if(streams.begin(), streams.end(),
                             [&](const VideoStreamInfo& s) { return s.video == video; }));
}

const VideoStreamInfo* VideoFileInfo::First(bool video) const {
    for (const VideoStreamInfo& s : streams)
        if (s.video == video)
            return &s;
    return nullptr;
}

namespace {

// Decodes every packet of the chosen streams; `onFrame` sees each decoded frame, `onError`
// the stream of each packet the decoder refused and of each frame it marked damaged.
template <typename OnFrame, typename OnError>
bool DecodeAll(AVFormatContext* format, QList<AVCodecContext*>& codecs, OnFrame onFrame, OnError onError) {
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    auto receive = [&](int index) {
        while (avcodec_receive_frame(codecs[index], frame) == 0) {
            if (frame->decode_error_flags || (frame->flags & AV_FRAME_FLAG_CORRUPT))
                onError(index);
            onFrame(index, frame);
            av_frame_unref(frame);
        }
    };
    while (av_read_frame(format, packet) >= 0) {
        const int index = packet->stream_index;
        if (index < codecs.size() && codecs[index]) {
            const int sent = avcodec_send_packet(codecs[index], packet);
            if (sent < 0 && sent != AVERROR(EAGAIN))
                onError(index);
            receive(index);
        }
        av_packet_unref(packet);
    }
    for (int index = 0; index < codecs.size(); ++index) {
        if (!codecs[index])
            continue;
        avcodec_send_packet(codecs[index], nullptr);
        receive(index);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    return true;
}

QList<AVCodecContext*> OpenDecoders(AVFormatContext* format) {
    QList<AVCodecContext*> codecs;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVCodecParameters* par = format->streams[i]->codecpar;
        const AVCodec* decoder = avcodec_find_decoder(par->codec_id);
        AVCodecContext* codec = nullptr;
        if (decoder && (par->codec_type == AVMEDIA_TYPE_VIDEO || par->codec_type == AVMEDIA_TYPE_AUDIO)) {
            codec = avcodec_alloc_context3(decoder);
            avcodec_parameters_to_context(codec, par);
            if (avcodec_open2(codec, decoder, nullptr) < 0)
                avcodec_free_context(&codec);
        }
        codecs.append(codec);
    }
    return codecs;
}

void FreeDecoders(QList<AVCodecContext*>& codecs) {
    for (AVCodecContext*& codec : codecs)
        avcodec_free_context(&codec);
}

}  // namespace

VideoFileInfo ReadVideoInfo(const QString& path) {
    VideoFileInfo info;
    AVFormatContext* format = nullptr;
    const QByteArray file = path.toUtf8();
    if (avformat_open_input(&format, file.constData(), nullptr, nullptr) < 0 ||
        avformat_find_stream_info(format, nullptr) < 0) {
        info.error = QStringLiteral("无法读取视频文件 %1").arg(QFileInfo(path).fileName());
        avformat_close_input(&format);
        return info;
    }
    info.container = QString::fromLatin1(format->iformat->name);
    QList<AVCodecContext*> codecs = OpenDecoders(format);
    QList<int> slot;  // stream index -> entry in info.streams, or -1
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVStream* stream = format->streams[i];
        const AVCodecParameters* par = stream->codecpar;
        if (par->codec_type != AVMEDIA_TYPE_VIDEO && par->codec_type != AVMEDIA_TYPE_AUDIO) {
            slot.append(-1);
            continue;
        }
        VideoStreamInfo s;
        s.video = par->codec_type == AVMEDIA_TYPE_VIDEO;
        s.codec = QString::fromLatin1(avcodec_get_name(par->codec_id));
        s.width = par->width;
        s.height = par->height;
        s.rateNum = stream->avg_frame_rate.num ? stream->avg_frame_rate.num : stream->r_frame_rate.num;
        s.rateDen = stream->avg_frame_rate.num ? stream->avg_frame_rate.den : stream->r_frame_rate.den;
        s.sampleRate = par->sample_rate;
        s.channels = par->ch_layout.nb_channels;
        slot.append(int(info.streams.size()));
        info.streams.append(s);
    }
    DecodeAll(format, codecs, [&](int index, AVFrame* frame) {
        if (slot[index] < 0)
            return;
        VideoStreamInfo& s = info.streams[slot[index]];
        s.frames += s.video ? 1 : frame->nb_samples;
    }, [&](int index) {
        if (slot[index] >= 0)
            ++info.streams[slot[index]].errors;
    });
    for (VideoStreamInfo& s : info.streams) {
        if (s.video)
            s.seconds = s.rateNum ? double(s.frames) * s.rateDen / s.rateNum : 0;
        else
            s.seconds = s.sampleRate ? double(s.frames) / s.sampleRate : 0;
    }
    FreeDecoders(codecs);
    avformat_close_input(&format);
    return info;
}

QList<QImage> ReadVideoFrames(const QString& path, const QList<qint64>& frames) {
    QList<QImage> pictures(frames.size());
    MovieFrames movie;
    QString error;
    if (!movie.Open(path, error))
        return pictures;
    const qint64 last = frames.isEmpty() ? -1 : *std::max_element(frames.begin(), frames.end());
    QImage picture;
    qint64 start = 0;
    for (qint64 n = 0; n <= last && movie.Next(picture, start); ++n)
        for (int i = 0; i < frames.size(); ++i)
            if (frames[i] == n)
                pictures[i] = picture;
    return pictures;
}

QList<qint16> ReadAudioSamples(const QString& path, int& sampleRate, int& channels) {
    QList<qint16> samples;
    sampleRate = channels = 0;
    AVFormatContext* format = nullptr;
    const QByteArray file = path.toUtf8();
    if (avformat_open_input(&format, file.constData(), nullptr, nullptr) < 0 ||
        avformat_find_stream_info(format, nullptr) < 0) {
        avformat_close_input(&format);
        return samples;
    }
    const int audio = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    QList<AVCodecContext*> codecs = OpenDecoders(format);
    SwrContext* swr = nullptr;
    if (audio >= 0 && codecs[audio]) {
        AVCodecContext* c = codecs[audio];
        sampleRate = c->sample_rate;
        channels = c->ch_layout.nb_channels;
        swr_alloc_set_opts2(&swr, &c->ch_layout, AV_SAMPLE_FMT_S16, c->sample_rate, &c->ch_layout,
                            c->sample_fmt, c->sample_rate, 0, nullptr);
        swr_init(swr);
        DecodeAll(format, codecs, [&](int index, AVFrame* frame) {
            if (index != audio)
                return;
            const qsizetype at = samples.size();
            samples.resize(at + qsizetype(frame->nb_samples) * channels);
            uint8_t* out[1] = {reinterpret_cast<uint8_t*>(samples.data() + at)};
            swr_convert(swr, out, frame->nb_samples, const_cast<const uint8_t**>(frame->extended_data),
                        frame->nb_samples);
        }, [](int) {});
    }
    swr_free(&swr);
    FreeDecoders(codecs);
    avformat_close_input(&format);
    return samples;
}
