#include "tools/databuild/SampleSong.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cmath>

#include "platform/GbkText.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

namespace databuild {
namespace {

constexpr double kBeat = 60.0 / 96;  // seconds
constexpr int kBarsIntro = 2;
constexpr int kPhrases = 12;  // two bars each, one lyric line each
constexpr int kBarsOutro = 2;
constexpr double kPi = 3.14159265358979323846;

// Scale degrees of the lead, eight beats a phrase (0 = rest), in a major pentatonic
// around C: 1 C, 2 D, 3 E, 5 G, 6 A, 8 high C, 9 high D, 10 high E.
const int kPhraseNotes[4][8] = {
    {3, 5, 6, 5, 3, 2, 1, 0},
    {2, 3, 5, 8, 6, 5, 3, 0},
    {6, 8, 9, 8, 6, 5, 6, 0},
    {5, 3, 2, 3, 5, 2, 1, 0},
};
// Chord roots per phrase half (two beats... one bar each): C, A minor, F, G.
const double kRoots[4] = {130.81, 110.0, 87.31, 98.0};

double DegreeHz(int degree) {
    static const int semitones[] = {0, 0, 2, 4, 5, 7, 9, 11, 12, 14, 16};
    return 261.63 * std::pow(2.0, semitones[degree] / 12.0);
}

// One period of a tone with `harmonics` overtones falling off as 1 / h².
const QVector<float>& Wave(int harmonics) {
    static QVector<float> tables[8];
    QVector<float>& table = tables[harmonics];
    if (!table.isEmpty()) return table;
    table.resize(4096);
    for (int i = 0; i < table.size(); ++i) {
        double v = 0;
        for (int h = 1; h <= harmonics; ++h)
            v += std::sin(2 * kPi * h * i / table.size()) / (h * h);
        table[i] = float(v);
    }
    return table;
}

void AddTone(QVector<float>& out, double start, double length, double hz, double gain, double decay,
             double pan, int harmonics) {
    const int first = int(start * kSongSampleRate);
    const int count = std::min(int(length * kSongSampleRate), int(out.size() / 2) - first);
    float* data = out.data() + 2 * first;
    const float* wave = Wave(harmonics).constData();
    const double step = 4096.0 * hz / kSongSampleRate;
    const double fade = std::exp(-decay / kSongSampleRate);
    double phase = 0, envelope = gain;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / kSongSampleRate;
        const double shape = std::min(1.0, t / 0.012) * std::min(1.0, (length - t) / 0.08);
        const double v = wave[int(phase)] * envelope * shape;
        data[2 * i] += float(v * (1 - pan));
        data[2 * i + 1] += float(v * (1 + pan));
        envelope *= fade;
        phase += step;
        if (phase >= 4096.0) phase -= 4096.0;
    }
}

// A soft echo so the tones ring together.
void Echo(QVector<float>& out) {
    const int delay = int(0.29 * kSongSampleRate) * 2;
    float* data = out.data();
    for (qsizetype i = delay + 1; i < out.size(); ++i)
        data[i] += 0.28f * data[i - delay + (i % 2 ? -1 : 1)];
}

double PhraseStart(int phrase) { return (kBarsIntro + 2 * phrase) * 4 * kBeat; }

}  // namespace

double SongSeconds() { return (kBarsIntro + 2 * kPhrases + kBarsOutro) * 4 * kBeat; }

QVector<float> SynthesiseSong() {
    QVector<float> out(int(SongSeconds() * kSongSampleRate) * 2, 0.0f);
    const int bars = kBarsIntro + 2 * kPhrases + kBarsOutro;
    for (int bar = 0; bar < bars; ++bar) {
        const double start = bar * 4 * kBeat;
        const double root = kRoots[bar % 4];
        for (double ratio : {1.0, 1.2599, 1.4983})  // a triad as a pad
            AddTone(out, start, 4 * kBeat, root * 2 * ratio, 0.05, 0.35, -0.2, 3);
        for (int beat : {0, 2})
            AddTone(out, start + beat * kBeat, 1.8 * kBeat, root / 2, 0.22, 1.2, 0.0, 2);
    }
    for (int phrase = 0; phrase < kPhrases; ++phrase) {
        const int* notes = kPhraseNotes[phrase % 4];
        const bool higher = phrase >= 8;  // the last verse a touch brighter
        for (int beat = 0; beat < 8; ++beat) {
            if (notes[beat] == 0) continue;
            const double hz = DegreeHz(notes[beat]) * (higher ? 2.0 : 1.0);
            AddTone(out, PhraseStart(phrase) + beat * kBeat, 1.6 * kBeat, hz, 0.22, 2.6, 0.15, 5);
        }
    }
    Echo(out);
    float peak = 0;
    for (float v : out) peak = std::max(peak, std::abs(v));
    for (float& v : out) v = v / peak * 0.85f;
    return out;
}

QString SongLyrics() {
    static const char* lines[kPhrases] = {
        "春风吹过窗前的小路", "吹开一树一树的花",   "你站在光里回头笑", "那一刻我按下快门",
        "山很远 水很长",      "照片里的日子不会老", "一页一页慢慢翻过", "每一页都有你的模样",
        "等到下一个春天来",   "我们再去看那片花海", "把笑声装进相册里", "有你的地方就是春光",
    };
    auto stamp = [](double seconds) {
        const int centis = int(std::lround(seconds * 100));
        return QString("[%1:%2.%3]")
            .arg(centis / 6000, 2, 10, QChar('0'))
            .arg(centis / 100 % 60, 2, 10, QChar('0'))
            .arg(centis % 100, 2, 10, QChar('0'));
    };
    QStringList lrc{"[ti:春日]", "[ar:Lumora]", "[al:Lumora 示例音乐]", "[by:Lumora]",
                    stamp(0) + "春日"};
    for (int i = 0; i < kPhrases; ++i)
        lrc.append(stamp(PhraseStart(i)) + QString::fromUtf8(lines[i]));
    lrc.append(stamp(PhraseStart(kPhrases)) + "（完）");
    lrc.append("");
    return lrc.join("\r\n");
}

bool EncodeMp3(const QVector<float>& samples, int sampleRate, const QString& path, QString& error) {
    const AVCodec* codec = avcodec_find_encoder_by_name("libmp3lame");
    if (!codec) {
        error = "没有 MP3 编码器（libmp3lame）";
        return false;
    }
    AVFormatContext* format = nullptr;
    const QByteArray file = QFile::encodeName(path);
    if (avformat_alloc_output_context2(&format, nullptr, "mp3", file.constData()) < 0) {
        error = "无法建立 MP3 文件：" + path;
        return false;
    }
    AVCodecContext* ctx = avcodec_alloc_context3(codec);
    ctx->sample_rate = sampleRate;
    ctx->bit_rate = 192000;
    ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&ctx->ch_layout, 2);
    AVStream* stream = avformat_new_stream(format, nullptr);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    bool ok = avcodec_open2(ctx, codec, nullptr) >= 0 &&
              avcodec_parameters_from_context(stream->codecpar, ctx) >= 0 &&
              avio_open(&format->pb, file.constData(), AVIO_FLAG_WRITE) >= 0 &&
              avformat_write_header(format, nullptr) >= 0;
    stream->time_base = AVRational{1, sampleRate};
    auto drain = [&]() {
        while (avcodec_receive_packet(ctx, packet) == 0) {
            av_packet_rescale_ts(packet, ctx->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (av_interleaved_write_frame(format, packet) < 0) ok = false;
        }
    };
    const int total = int(samples.size() / 2);
    for (int at = 0; ok && at < total; at += ctx->frame_size) {
        frame->nb_samples = std::min(ctx->frame_size, total - at);
        frame->format = ctx->sample_fmt;
        av_channel_layout_copy(&frame->ch_layout, &ctx->ch_layout);
        frame->sample_rate = sampleRate;
        ok = av_frame_get_buffer(frame, 0) >= 0;
        for (int i = 0; ok && i < frame->nb_samples; ++i)
            for (int c = 0; c < 2; ++c)
                reinterpret_cast<float*>(frame->data[c])[i] = samples[2 * (at + i) + c];
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
    if (!ok) error = "MP3 编码失败：" + path;
    return ok;
}

bool WriteSampleSong(const QString& folder, QString& error) {
    QDir().mkpath(folder);
    const QString base = folder + "/" + QString::fromUtf8(kSongName);
    if (!EncodeMp3(SynthesiseSong(), kSongSampleRate, base + ".mp3", error)) return false;
    QFile lrc(base + ".lrc");
    const QByteArray bytes = EncodeGbk(SongLyrics());
    if (!lrc.open(QIODevice::WriteOnly) || lrc.write(bytes) != bytes.size()) {
        error = "无法写入歌词文件：" + lrc.fileName();
        return false;
    }
    return true;
}

}  // namespace databuild
