#include "media/LyricSettings.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include "platform/ChineseText.h"
#include "platform/TextTable.h"

namespace {
namespace C = LyricSettingsColumn;

// The default tops: the height of the sample screen less a seventh of it.
constexpr int kDefaultTop = kLyricScreenHeight - kLyricScreenHeight / 7;

struct Style {
    const char* word;
    const char* text;
    bool bold;
    bool italic;
};
const Style kStyles[] = {
    {"changgui", "常规", false, false},
    {"xieti", "倾斜", false, true},
    {"cuti", "粗体", true, false},
    {"cutixieti", "粗体 倾斜", true, true},
};

const Style* StyleOfWord(const QString& word) {
    for (const Style& s : kStyles)
        if (word == QLatin1String(s.word)) return &s;
    return nullptr;
}

void Renumber(TextTable& table) {
    for (int row = 0; row < table.rowCount(); ++row) table.setCell(row, 0, QString::number(row + 1));
}

int Number(const QStringList& record, int column) { return record.value(column).toInt(); }
}  // namespace

QStringList LyricFileCaptions() { return {"序号", "歌词名称", "类型", "位置"}; }

QStringList LyricSettingsCaptions() {
    return {"序号", "歌词内容", "类型", "位置", "默认_or_自定义", "默认显示_Top位置", "自定义_Left", "自定义_Top",
            "字体", "字形", "大小", "自定义_居中", "===", "颜色", "颜色数字", "简体繁体"};
}

QStringList DefaultLyricSettings(int caption, const QString& path) {
    const QFileInfo file(path);
    const QString suffix = file.suffix().isEmpty() ? QString() : "." + file.suffix();
    return {QString::number(caption), file.completeBaseName(), suffix, path, kDefaultPosition,
            QString::number(kDefaultTop), "0", QString::number(kDefaultTop), "黑体", "cuti", "10", kNoCentring,
            "暂时不用", "clWhite", "16777215", kSimplified};
}

void AppendLyricFile(TextTable& files, TextTable& settings, const QString& path) {
    const QStringList record = DefaultLyricSettings(files.rowCount() + 1, path);
    files.addRow(record.mid(0, 4));
    settings.addRow(record);
}

void DeleteLyricFile(TextTable& files, TextTable& settings, int row) {
    if (row < 0 || row >= files.rowCount()) return;
    settings.removeRow(row);
    files.removeRow(row);
    Renumber(settings);
    Renumber(files);
}

void DeleteAllLyricFiles(TextTable& files, TextTable& settings) {
    settings.clear();
    files.clear();
}

QString LyricFilePath(const TextTable& files, int row) { return files.cell(row, LyricFileColumn::kPath); }
QString LyricFileName(const TextTable& files, int row) { return files.cell(row, LyricFileColumn::kName); }

QStringList LyricStyleTexts() {
    QStringList texts;
    for (const Style& s : kStyles) texts.append(QString::fromUtf8(s.text));
    return texts;
}

QString StyleTextOfWord(const QString& word) {
    const Style* s = StyleOfWord(word);
    return s ? QString::fromUtf8(s->text) : QString();
}

QString StyleWordOfText(const QString& text) {
    for (const Style& s : kStyles)
        if (text == QString::fromUtf8(s.text)) return QString::fromLatin1(s.word);
    return QString();
}

bool StyleIsBold(const QString& word) {
    const Style* s = StyleOfWord(word);
    return s && s->bold;
}

bool StyleIsItalic(const QString& word) {
    const Style* s = StyleOfWord(word);
    return s && s->italic;
}

QStringList LyricFormTexts() { return {"简体", "繁体"}; }
QString FormTextOfWord(const QString& word) { return word == kTraditional ? "繁体" : "简体"; }
QString FormWordOfText(const QString& text) { return text == QStringLiteral("繁体") ? kTraditional : kSimplified; }

const QVector<NamedColour>& LyricColours() {
    static const QVector<NamedColour> colours = {
        {"clBlack", QColor(0, 0, 0)},          {"clMaroon", QColor(128, 0, 0)},
        {"clGreen", QColor(0, 128, 0)},        {"clOlive", QColor(128, 128, 0)},
        {"clNavy", QColor(0, 0, 128)},         {"clPurple", QColor(128, 0, 128)},
        {"clTeal", QColor(0, 128, 128)},       {"clGray", QColor(128, 128, 128)},
        {"clSilver", QColor(192, 192, 192)},   {"clRed", QColor(255, 0, 0)},
        {"clLime", QColor(0, 255, 0)},         {"clYellow", QColor(255, 255, 0)},
        {"clBlue", QColor(0, 0, 255)},         {"clFuchsia", QColor(255, 0, 255)},
        {"clAqua", QColor(0, 255, 255)},       {"clWhite", QColor(255, 255, 255)},
        {"clMoneyGreen", QColor(192, 220, 192)}, {"clSkyBlue", QColor(166, 202, 240)},
        {"clCream", QColor(255, 251, 240)},    {"clMedGray", QColor(160, 160, 164)},
    };
    return colours;
}

qint64 ColourNumber(const QColor& colour) {
    return qint64(colour.red()) | qint64(colour.green()) << 8 | qint64(colour.blue()) << 16;
}

QColor ColourOfNumber(qint64 number) {
    return QColor(int(number & 0xff), int(number >> 8 & 0xff), int(number >> 16 & 0xff));
}

QFont LyricFont(const QString& face, int points, const QString& styleWord) {
    QFont font(face);
    // Points at 96 dots per inch, rounded as the sizes were on the screens they were set on.
    font.setPixelSize(qMax(1, (points * 96 + 36) / 72));
    font.setBold(StyleIsBold(styleWord));
    font.setItalic(StyleIsItalic(styleWord));
    return font;
}

QSize LyricTextSize(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

LyricLook ComputeLyricLook(const TextTable& settings, int row, const QString& line, QSize area) {
    QStringList record = settings.row(row);
    if (row < 0 || row >= settings.rowCount()) record = DefaultLyricSettings(row + 1, QString());
    return ComputeLyricLook(record, line, area);
}

LyricLook ComputeLyricLook(const QStringList& record, const QString& line, QSize area) {
    LyricLook look;
    look.text = record.value(C::kForm) == kTraditional ? ToTraditional(line) : ToSimplified(line);
    look.points = Number(record, C::kSize) * area.height() / kLyricScreenHeight;
    look.font = LyricFont(record.value(C::kFace), look.points, record.value(C::kStyle));
    look.colour = ColourOfNumber(record.value(C::kColourNumber).toLongLong());
    const QSize size = LyricTextSize(look.font, look.text);
    const int centred = area.width() / 2 - size.width() / 2;
    int left = centred;
    int top = Number(record, C::kDefaultTop) * area.height() / kLyricScreenHeight;
    if (record.value(C::kMode) == kCustomPosition) {
        top = Number(record, C::kCustomTop) * area.height() / kLyricScreenHeight;
        if (record.value(C::kCentring) != kCustomCentring)
            left = Number(record, C::kCustomLeft) * area.width() / kLyricScreenWidth;
    }
    look.box = QRect(QPoint(left, top), size);
    return look;
}

void PaintLyricLine(QPainter& painter, const LyricLook& look) {
    if (look.text.isEmpty()) return;
    painter.save();
    painter.setFont(look.font);
    painter.setPen(look.colour);
    painter.drawText(look.box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, look.text);
    painter.restore();
}
