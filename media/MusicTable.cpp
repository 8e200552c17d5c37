#include "media/MusicTable.h"

#include <QFileInfo>

#include "platform/TextTable.h"

namespace {
QString TwoDigits(qint64 n) { return n < 10 ? "0" + QString::number(n) : QString::number(n); }
}  // namespace

QStringList MusicTableCaptions() { return {"序号", "音乐名称", "格式", "音乐时长", "位置"}; }

QString MusicDurationText(qint64 ms) {
    const qint64 s = std::max<qint64>(0, ms) / 1000;
    return "00:" + TwoDigits(s / 60) + ":" + TwoDigits(s % 60);
}

int AppendMusic(TextTable& table, const QString& path, qint64 lengthMs) {
    const QFileInfo file(path);
    const QString suffix = file.suffix();
    return table.addRow({QString::number(table.rowCount() + 1), file.completeBaseName(),
                         suffix.isEmpty() ? QString() : "." + suffix, MusicDurationText(lengthMs), path});
}

void RenumberMusic(TextTable& table) {
    for (int row = 0; row < table.rowCount(); ++row)
        table.setCell(row, MusicColumn::kCaption, QString::number(row + 1));
}

QString MusicName(const TextTable& table, int row) { return table.cell(row, MusicColumn::kName); }
QString MusicDuration(const TextTable& table, int row) { return table.cell(row, MusicColumn::kDuration); }
QString MusicPath(const TextTable& table, int row) { return table.cell(row, MusicColumn::kPath); }

QString SkippedMusicMessage(const QStringList& skippedPaths) {
    if (skippedPaths.isEmpty()) return {};
    QStringList names;
    for (const QString& path : skippedPaths) names.append(QFileInfo(path).fileName());
    return "以下 " + QString::number(names.size()) + " 个文件不是可以播放的MP3音乐文件,没有添加:\n" +
           names.join('\n');
}
