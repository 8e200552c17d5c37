#include "platform/Jpeg.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports a fatal error by calling error_exit, which must not return. Ours jumps
// back to the setjmp of the step that called into the library. Every function below that
// calls setjmp holds only plain locals, so the jump skips no destructor; the objects that
// own resources (file, decoder state, picture) live in the caller's frame.

namespace {

// Decoder memory libjpeg may take (whole-picture buffers of progressive files); beyond it
// the library fails instead of asking the system for more.
constexpr long kMaxDecoderMemory = 1024L * 1024 * 1024;
// Largest picture decoded, in pixels at the chosen scale (1 GiB as RGB32).
constexpr qint64 kMaxOutputPixels = 256LL * 1024 * 1024;

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Layout = JCS_EXT_BGRX;  // QImage::Format_RGB32 in memory
#else
constexpr J_COLOR_SPACE kRgb32Layout = JCS_EXT_XRGB;
#endif

struct ErrorManager {
    jpeg_error_mgr pub;  // first, so that libjpeg's pointer to it is a pointer to us
    std::jmp_buf jump;
    bool truncated = false;
};

ErrorManager& errorOf(j_common_ptr cinfo) { return *reinterpret_cast<ErrorManager*>(cinfo->err); }

[[noreturn]] void jumpBack(j_common_ptr cinfo) { std::longjmp(errorOf(cinfo).jump, 1); }

// Warnings and trace messages are never printed. Data that ends before the picture is
// complete ends the decoding like an error (see Jpeg.h).
void onMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    ErrorManager& err = errorOf(cinfo);
    err.pub.num_warnings++;
    if (err.pub.msg_code == JWRN_JPEG_EOF) {
        err.truncated = true;
        jumpBack(cinfo);
    }
}

void printNothing(j_common_ptr) {}

void installErrorManager(ErrorManager& err) {
    jpeg_std_error(&err.pub);
    err.pub.error_exit = jumpBack;
    err.pub.emit_message = onMessage;
    err.pub.output_message = printNothing;
}

QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

QString openError(const QString& path) { return QStringLiteral("无法打开图片文件：") + nativePath(path); }

// The message for a decoding that failed with the library's last error.
QString readError(const ErrorManager& err, const QString& path) {
    if (err.truncated) return QStringLiteral("JPG图片文件不完整：") + nativePath(path);
    switch (err.pub.msg_code) {
    case JERR_INPUT_EMPTY: return QStringLiteral("图片文件是空的：") + nativePath(path);
    case JERR_NO_SOI: return QStringLiteral("不是JPG图片文件：") + nativePath(path);
    case JERR_OUT_OF_MEMORY:
    case JERR_NO_BACKING_STORE: return QStringLiteral("图片太大，无法读取：") + nativePath(path);
    case JERR_CONVERSION_NOTIMPL:
    case JERR_BAD_J_COLORSPACE:
        return QStringLiteral("不支持这种JPG图片的颜色格式：") + nativePath(path);
    default: return QStringLiteral("JPG图片文件已损坏：") + nativePath(path);
    }
}

// One JPEG file being read: the open file and the decoder over it, released together.
class JpegReader {
public:
    JpegReader() {
        installErrorManager(err_);
        cinfo_.err = &err_.pub;
        jpeg_create_decompress(&cinfo_);
        cinfo_.mem->max_memory_to_use = kMaxDecoderMemory;
    }
    ~JpegReader() {
        jpeg_destroy_decompress(&cinfo_);
        if (file_) std::fclose(file_);
    }
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;

    bool open(const QString& path) {
        file_ = std::fopen(QFile::encodeName(path).constData(), "rb");
        if (!file_) return false;
        jpeg_stdio_src(&cinfo_, file_);
        return true;
    }

    bool readHeader() {
        if (setjmp(err_.jump)) return false;
        jpeg_read_header(&cinfo_, TRUE);
        return true;
    }

    QSize storedSize() const { return QSize(int(cinfo_.image_width), int(cinfo_.image_height)); }
    QSize outputSize() const { return QSize(int(cinfo_.output_width), int(cinfo_.output_height)); }
    bool isCmyk() const { return cinfo_.out_color_space == JCS_CMYK; }

    // Picks the output colour space and the smallest sufficient scale, and works out the
    // output size.
    bool prepare(QSize minimumSize) {
        if (setjmp(err_.jump)) return false;
        const bool cmyk = cinfo_.jpeg_color_space == JCS_CMYK || cinfo_.jpeg_color_space == JCS_YCCK;
        cinfo_.out_color_space = cmyk ? JCS_CMYK : kRgb32Layout;
        for (unsigned m = 1; m <= 8; ++m) {
            cinfo_.scale_num = m;
            cinfo_.scale_denom = 8;
            jpeg_calc_output_dimensions(&cinfo_);
            if (minimumSize.isEmpty()) continue;  // ends at 8/8, full size
            if (int(cinfo_.output_width) >= minimumSize.width() &&
                int(cinfo_.output_height) >= minimumSize.height())
                break;
        }
        return true;
    }

    // Decodes every line into `image`, which has the output size and Format_RGB32.
    bool decodeInto(QImage& image) {
        if (setjmp(err_.jump)) return false;
        jpeg_start_decompress(&cinfo_);
        while (cinfo_.output_scanline < cinfo_.output_height) {
            uchar* line = image.scanLine(int(cinfo_.output_scanline));
            JSAMPROW row = line;
            jpeg_read_scanlines(&cinfo_, &row, 1);
            if (cinfo_.out_color_space == JCS_CMYK) cmykLineToRgb32(line, int(cinfo_.output_width));
        }
        jpeg_finish_decompress(&cinfo_);
        return true;
    }

    const ErrorManager& error() const { return err_; }

private:
    // Converts one line of CMYK samples, in place, to RGB32. Adobe's programs store CMYK
    // inverted (0 = full ink) and mark their files; libjpeg passes the samples through.
    void cmykLineToRgb32(uchar* line, int width) const {
        const bool inverted = cinfo_.saw_Adobe_marker;
        auto* out = reinterpret_cast<QRgb*>(line);
        for (int x = 0; x < width; ++x) {
            const uchar* in = line + 4 * x;
            int c = in[0], m = in[1], y = in[2], k = in[3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
        }
    }

    ErrorManager err_;
    jpeg_decompress_struct cinfo_{};
    std::FILE* file_ = nullptr;
};

// One JPEG being written into memory; the buffer is libjpeg's and is freed with it.
class JpegWriter {
public:
    JpegWriter() {
        installErrorManager(err_);
        cinfo_.err = &err_.pub;
        jpeg_create_compress(&cinfo_);
    }
    ~JpegWriter() {
        jpeg_destroy_compress(&cinfo_);
        std::free(buffer_);
    }
    JpegWriter(const JpegWriter&) = delete;
    JpegWriter& operator=(const JpegWriter&) = delete;

    // Compresses an RGB32 picture.
    bool compress(const QImage& image, int quality) {
        if (setjmp(err_.jump)) return false;
        jpeg_mem_dest(&cinfo_, &buffer_, &size_);
        cinfo_.image_width = JDIMENSION(image.width());
        cinfo_.image_height = JDIMENSION(image.height());
        cinfo_.input_components = 4;
        cinfo_.in_color_space = kRgb32Layout;
        jpeg_set_defaults(&cinfo_);
        jpeg_set_quality(&cinfo_, quality, TRUE);
        jpeg_start_compress(&cinfo_, TRUE);
        while (cinfo_.next_scanline < cinfo_.image_height) {
            JSAMPROW row = const_cast<uchar*>(image.constScanLine(int(cinfo_.next_scanline)));
            jpeg_write_scanlines(&cinfo_, &row, 1);
        }
        jpeg_finish_compress(&cinfo_);
        return true;
    }

    QByteArray bytes() const {
        return QByteArray::fromRawData(reinterpret_cast<const char*>(buffer_), qsizetype(size_));
    }

private:
    ErrorManager err_;
    jpeg_compress_struct cinfo_{};
    unsigned char* buffer_ = nullptr;
    unsigned long size_ = 0;
};

}  // namespace

JpegSizeResult ReadJpegSize(const QString& path) {
    JpegReader reader;
    if (!reader.open(path)) return {{}, openError(path)};
    if (!reader.readHeader()) return {{}, readError(reader.error(), path)};
    return {reader.storedSize(), {}};
}

JpegDecodeResult DecodeJpeg(const QString& path, QSize minimumSize) {
    JpegReader reader;
    if (!reader.open(path)) return {{}, openError(path)};
    if (!reader.readHeader() || !reader.prepare(minimumSize))
        return {{}, readError(reader.error(), path)};
    const QSize size = reader.outputSize();
    const QString tooLarge = QStringLiteral("图片太大，无法读取：") + nativePath(path);
    if (qint64(size.width()) * size.height() > kMaxOutputPixels) return {{}, tooLarge};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return {{}, tooLarge};
    if (!reader.decodeInto(image)) return {{}, readError(reader.error(), path)};
    return {std::move(image), {}};
}

JpegWriteResult WriteJpeg(const QImage& image, const QString& path, int quality) {
    const QString writeError = QStringLiteral("无法写入图片文件：") + nativePath(path);
    if (image.isNull()) return {QStringLiteral("没有图片可以保存：") + nativePath(path)};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    JpegWriter writer;
    if (!writer.compress(rgb, qBound(0, quality, 100))) return {writeError};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {writeError};
    const QByteArray bytes = writer.bytes();
    if (file.write(bytes) != bytes.size() || !file.commit()) return {writeError};
    return {};
}
