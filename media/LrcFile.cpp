#include "media/LrcFile.h"

#include <QDir>
#include <QFile>

#include "platform/GbkText.h"
#include "platform/TextTable.h"

namespace {
namespace Lines { constexpr int kText = 1; }
namespace Entries { constexpr int kTag = 1, kText = 2; }
namespace Timeline { constexpr int kTag = 0, kText = 1; }

const QString kStartClock = QStringLiteral("00:00");
const char* const kHeaderKeys[] = {"ti", "ar", "al", "by"};

// The 1-based substring: a start below 1 reads as 1, a length past the end stops there,
// a length below 1 gives the empty text.
QString Mid(const QString& text, qint64 start, qint64 length) {
    if (start < 1) start = 1;
    if (length < 1 || start > text.size()) return QString();
    return text.mid(start - 1, length);
}

// The character at 1-based `position`, or a null character outside the text.
QChar At(const QString& text, qint64 position) {
    if (position < 1 || position > text.size()) return QChar();
    return text.at(position - 1);
}

int Position(const TextTable& list, int item) { return list.cell(item, 0).toInt(); }

void AddNumbered(TextTable& table, QStringList cells) {
    cells.prepend(QString::number(table.rowCount() + 1));
    table.addRow(cells);
}

// Takes the tags off lyric line `row` of ListView_LRC_1, adding one entry per tag.
void TakeOffTags(const LyricTables& t, int row) {
    const QString read = t.ListView_LRC_1->cell(row, Lines::kText);
    if (read.isEmpty()) return;
    const qint64 length = read.size();
    TextTable& opens = *t.ListBox_LRC_1;
    TextTable& closes = *t.ListBox_LRC_2;
    opens.clear();
    closes.clear();
    QString line = read;
    QString previousText;
    for (qint64 p = length - 1; p >= 0; --p) {
        const QChar c = At(line, p == 0 ? 1 : p);
        if (c == u']') closes.addRow({QString::number(p)});
        if (p == 0 || c != u'[') continue;
        const int k = opens.rowCount();
        if (k >= closes.rowCount()) continue;  // no "]" left for it: not a tag
        const qint64 close = Position(closes, k);
        const bool sideBySide =
            k > 0 && Position(closes, closes.rowCount() - 1) + 1 == Position(opens, k - 1);
        opens.addRow({QString::number(p)});
        const QString tag = Mid(line, p + 1, close - p - 1);
        const QString text = sideBySide ? previousText : Mid(line, close + 1, length - close);
        AddNumbered(*t.ListView_LRC_2, {tag, text});
        previousText = text;
        line = Mid(line, 1, p - 1);
        t.ListView_LRC_1->setCell(row, Lines::kText, line);
    }
}

// Moves the entries whose tag begins with a header key into the header list.
void MoveHeaderTags(const LyricTables& t) {
    TextTable& entries = *t.ListView_LRC_2;
    for (const char* key : kHeaderKeys) {
        for (int row = 0; row < entries.rowCount();) {
            const QString tag = entries.cell(row, Entries::kTag);
            if (!tag.startsWith(QLatin1String(key))) {
                ++row;
                continue;
            }
            entries.removeRow(row);
            t.ListBox_LRC_3->addRow({"[" + tag + "]"});
        }
    }
}

void ReadHeaderList(const LyricTables& t) {
    for (int row = 0; row < t.ListBox_LRC_3->rowCount(); ++row) {
        const QString line = t.ListBox_LRC_3->cell(row, 0);
        const QString key = Mid(line, 2, 2);
        for (const char* k : kHeaderKeys)
            if (key == QLatin1String(k)) AddNumbered(*t.ListView_LRC_2, {key, Mid(line, 5, line.size() - 5)});
    }
}

void BuildTimeline(const LyricTables& t) {
    TextTable& timeline = *t.ListView_LRC_3;
    timeline.clear();
    timeline.addRow({kStartClock, QString()});
    for (int row = 0; row < t.ListView_LRC_2->rowCount(); ++row)
        timeline.addRow({t.ListView_LRC_2->cell(row, Entries::kTag), t.ListView_LRC_2->cell(row, Entries::kText)});
}

void EmptyAll(const LyricTables& t) {
    for (TextTable* table : {t.ListView_LRC_1, t.ListView_LRC_2, t.ListView_LRC_3, t.ListBox_LRC_1,
                             t.ListBox_LRC_2, t.ListBox_LRC_3})
        table->clear();
}
}  // namespace

QStringList LyricLinesCaptions() { return {"序号", "歌词"}; }
QStringList LyricPositionsCaptions() { return {"位置"}; }
QStringList LyricHeaderCaptions() { return {"行"}; }
QStringList LyricEntriesCaptions() { return {"序号", "位置", "歌词"}; }
QStringList LyricTimelineCaptions() { return {"位置", "歌词"}; }

QStringList SplitLyricLines(const QString& text) {
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r')) line.chop(1);
    return lines;
}

void ReadLyricLines(const QStringList& lines, const LyricTables& tables) {
    EmptyAll(tables);
    for (const QString& line : lines) {
        if (line.endsWith(u']'))
            tables.ListBox_LRC_3->addRow({line});
        else
            AddNumbered(*tables.ListView_LRC_1, {line});
    }
    for (int row = 0; row < tables.ListView_LRC_1->rowCount(); ++row) TakeOffTags(tables, row);
    MoveHeaderTags(tables);
    ReadHeaderList(tables);
    BuildTimeline(tables);
}

bool LoadLrcFile(const QString& path, const LyricTables& tables, QString& error) {
    EmptyAll(tables);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("无法打开歌词文件：") + QDir::toNativeSeparators(path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("无法读取歌词文件：") + QDir::toNativeSeparators(path);
        return false;
    }
    ReadLyricLines(SplitLyricLines(DecodeTextFile(bytes)), tables);
    error.clear();
    return true;
}

QString FormatClock(qint64 seconds) {
    if (seconds < 0) seconds = 0;
    const qint64 minutes = seconds / 60 % 60;
    return QStringLiteral("%1:%2").arg(minutes, 2, 10, QChar(u'0')).arg(seconds % 60, 2, 10, QChar(u'0'));
}

int FindLyricLine(const TextTable& timeline, const QString& clock) {
    for (int row = 0; row < timeline.rowCount(); ++row)
        if (timeline.cell(row, Timeline::kTag).startsWith(clock, Qt::CaseInsensitive)) return row;
    return -1;
}

QString LyricLineText(const TextTable& timeline, int row) { return timeline.cell(row, Timeline::kText); }
