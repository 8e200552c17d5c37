#include "templates/Container.h"

#include <QFile>
#include <QTime>
#include <QtEndian>
#include <zlib.h>

namespace {

constexpr int kHeaderSize = 4;

// Inflates exactly `wanted` bytes from the zlib stream in `input`.
ContainerResult InflateExactly(const char* input, qsizetype inputSize, qint32 wanted,
                               QByteArray& output) {
    output.resize(wanted);
    if (wanted == 0) return {};
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return ContainerResult::failure("解压缩初始化失败");
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input));
    z.avail_in = uInt(inputSize);
    z.next_out = reinterpret_cast<Bytef*>(output.data());
    z.avail_out = uInt(wanted);
    int status = Z_OK;
    while (z.avail_out > 0) {
        status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_STREAM_END || status != Z_OK) break;
    }
    const bool complete = z.avail_out == 0;
    inflateEnd(&z);
    if (complete) return {};
    if (status == Z_DATA_ERROR || status == Z_NEED_DICT)
        return ContainerResult::failure("解压缩错误：数据已损坏");
    return ContainerResult::failure("解压缩错误：数据不完整");
}

ContainerResult ReadFile(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ContainerResult::failure(QString("无法读取文件：%1").arg(path));
    bytes = file.readAll();
    return {};
}

// A plain write: the files of an unwrap are working files, re-made from the library at
// every use, so they are not synced to disk (a sync per pass made start-up wait on the disk
// 20 times per template).
ContainerResult WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        file.close();
        QFile::remove(path);  // never leave a half-written file behind for a reader
        return ContainerResult::failure(QString("无法写入文件：%1").arg(path));
    }
    return {};
}

}  // namespace

ContainerResult StripLayer(QByteArray& stream) {
    if (stream.isEmpty()) return {};
    if (stream.size() < kHeaderSize) return ContainerResult::failure("解压缩错误：数据不完整");
    const qint32 length = qFromLittleEndian<qint32>(stream.constData());
    if (length < 0) return ContainerResult::failure("解压缩错误：数据已损坏");
    QByteArray inflated;
    ContainerResult result = InflateExactly(stream.constData() + kHeaderSize,
                                            stream.size() - kHeaderSize, length, inflated);
    if (result) stream = std::move(inflated);
    return result;
}

ContainerResult StripLayers(QByteArray& stream, int layers) {
    QByteArray work = stream;
    for (int n = 0; n < layers; ++n) {
        ContainerResult result = StripLayer(work);
        if (!result) return result;
    }
    stream = std::move(work);
    return {};
}

QString TimeOfDayDigits() { return QTime::currentTime().toString("hhmmss"); }

ContainerResult UnwrapContainer(const QString& source, int layers,
                                const IntermediateName& intermediateName,
                                const QString& finalPath) {
    QString current = source;
    for (int pass = 1; pass <= layers; ++pass) {
        QByteArray bytes;
        ContainerResult result = ReadFile(current, bytes);
        if (result) result = StripLayer(bytes);
        if (!result) {
            result.error = QString("%1（%2）").arg(result.error, source);
            return result;
        }
        const QString target = pass < layers ? intermediateName(pass) : finalPath;
        result = WriteFile(target, bytes);
        if (!result) return result;
        current = target;
    }
    return {};
}

QByteArray WrapLayers(const QByteArray& payload, int layers) {
    QByteArray data = payload;
    for (int n = 0; n < layers; ++n) {
        uLongf bound = compressBound(uLong(data.size()));
        QByteArray layer(kHeaderSize + qsizetype(bound), Qt::Uninitialized);
        qToLittleEndian<qint32>(qint32(data.size()), layer.data());
        compress2(reinterpret_cast<Bytef*>(layer.data() + kHeaderSize), &bound,
                  reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()),
                  Z_BEST_COMPRESSION);
        layer.resize(kHeaderSize + qsizetype(bound));
        data = std::move(layer);
    }
    return data;
}

int CountLayers(QByteArray stream) {
    int count = 0;
    while (!stream.isEmpty() && StripLayer(stream)) ++count;
    return count;
}
