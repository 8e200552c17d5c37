#include "platform/GbkText.h"

#include <QStringDecoder>
#include <cerrno>
#include <iconv.h>

namespace {

// Converts with iconv from `from` to `to`; an input byte that cannot be converted is
// replaced by `replacement` (in the target encoding) and skipped.
QByteArray Convert(const char* from, const char* to, const QByteArray& input,
                   const QByteArray& replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return {};
    QByteArray output;
    output.reserve(input.size() * 2 + 16);
    char buffer[4096];
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = size_t(input.size());
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t done = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, qsizetype(sizeof buffer - outLeft));
        if (done != size_t(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (a sequence cut off at the end): replace one byte, go on.
        output.append(replacement);
        ++in;
        --inLeft;
    }
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, &out, &outLeft);
    output.append(buffer, qsizetype(sizeof buffer - outLeft));
    iconv_close(cd);
    return output;
}

}  // namespace

QString DecodeGbk(const QByteArray& bytes) {
    return QString::fromUtf8(Convert("GBK", "UTF-8", bytes, "\xEF\xBF\xBD"));
}

QByteArray EncodeGbk(const QString& text) {
    // iconv reports characters without a GBK form as EILSEQ at their first UTF-8 byte, so
    // the text is converted one character at a time to replace exactly that character.
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype step = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray utf8 = text.mid(i, step).toUtf8();
        const QByteArray gbk = Convert("UTF-8", "GBK", utf8, QByteArray());
        out.append(gbk.isEmpty() ? QByteArray("?") : gbk);
        i += step;
    }
    return out;
}

QString DecodeTextFile(const QByteArray& bytes) {
    // A byte-order mark decides only when the rest is valid in that encoding; a file that
    // merely starts with those bytes is read as GBK like any other.
    const struct {
        const char* mark;
        QStringDecoder::Encoding encoding;
    } marked[] = {{"\xEF\xBB\xBF", QStringDecoder::Utf8},
                  {"\xFF\xFE", QStringDecoder::Utf16LE},
                  {"\xFE\xFF", QStringDecoder::Utf16BE}};
    for (const auto& m : marked) {
        const QByteArray mark(m.mark);
        if (!bytes.startsWith(mark)) continue;
        QStringDecoder decoder(m.encoding, QStringDecoder::Flag::Stateless);
        QString text = decoder(bytes.mid(mark.size()));
        // An odd byte left over at the end of UTF-16 text is an error as well.
        const bool oddTail = m.encoding != QStringDecoder::Utf8 && (bytes.size() - mark.size()) % 2 != 0;
        if (!decoder.hasError() && !oddTail) return text;
        return DecodeGbk(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return DecodeGbk(bytes);
}
