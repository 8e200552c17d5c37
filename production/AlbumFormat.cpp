#include "production/AlbumFormat.h"

#include "platform/ConversionLibrary.h"
#include "platform/ConversionPresets.h"

namespace {
const QVector<QSize>& CommonSizes() {
    static const QVector<QSize> sizes{{320, 176},  {464, 256},  {640, 368},   {800, 480},  {1280, 720},
                                      {1440, 816}, {1600, 896}, {1920, 1080}, {2048, 1152}};
    return sizes;
}

QString ListStem(const QString& type) { return "ComboBox_" + type.toLower(); }
}  // namespace

QStringList AlbumTypes() { return {"VCD", "SVCD", "DVD", "AVI", "MP4", "WMV", "MOV"}; }

int ConversionFormatOf(const QString& type) {
    static const int kFormats[] = {kMclVcd, kMclSvcd, kMclDvd, kMclAvi, kMclMp4, kMclWmv, kMclMov};
    const int index = int(AlbumTypes().indexOf(type));
    return index < 0 ? -1 : kFormats[index];
}

QString AlbumFileExtension(const QString& type) {
    const int format = ConversionFormatOf(type);
    return format < 0 ? QStringLiteral(".mpg") : PresetFor(format).extension;
}

QVector<QSize> OutputSizes(const QString& type) {
    if (!AlbumTypes().contains(type)) return {};
    QVector<QSize> sizes = CommonSizes();
    if (type == "VCD") sizes.resize(kDefaultSizeRow + 1);
    if (type == "WMV" || type == "MOV") sizes[7] = QSize(1920, 1088);
    return sizes;
}

QStringList OutputWidths(const QString& type) {
    QStringList widths;
    for (QSize size : OutputSizes(type)) widths.append(QString::number(size.width()));
    return widths;
}

QStringList OutputHeights(const QString& type) {
    QStringList heights;
    for (QSize size : OutputSizes(type)) heights.append(QString::number(size.height()));
    return heights;
}

QString WidthListName(const QString& type) { return ListStem(type) + "_1"; }
QString HeightListName(const QString& type) { return ListStem(type) + "_2"; }

