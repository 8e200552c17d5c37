#include "production/MakingPlan.h"

#include "photos/SlotTable.h"
#include "platform/TextTable.h"
#include "templates/TemplateTables.h"

QStringList TemplatePlanCaptions() {
    return {"序号", "模板名称", "模板类型", "横照片", "竖照片", "模板时长", "模板分类", "照片匹配", "编号", "行号"};
}

QStringList MusicPlanCaptions() {
    return {"序号", "音乐名称", "格式", "音乐时长", "位置", "行号", "需要帧数"};
}

QVector<QStringList> BuildTemplatePlan(const TextTable& usedTemplates) {
    QVector<QStringList> plan;
    for (int row = 0; row < usedTemplates.rowCount(); ++row) {
        if (usedTemplates.cell(row, UsedTemplateColumn::kMatched) != kTemplateComplete)
            continue;
        QStringList cells;
        for (int column = 0; column <= UsedTemplateColumn::kNumber; ++column)
            cells.append(usedTemplates.cell(row, column));
        cells.append(QString::number(row));
        plan.append(cells);
    }
    return plan;
}

int TemplatePlanFrames(const TextTable& templatePlan, int row, const TextTable& parameters) {
    const int index = templatePlan.cell(row, TemplatePlanColumn::kTemplateIndex).toInt();
    const int parameterRow = ParameterTable::RowOfTemplate(parameters, index);
    return parameterRow < 0 ? 0 : ParameterTable::Frames(parameters, parameterRow);
}

qint64 PlannedFrames(const TextTable& templatePlan, const TextTable& parameters) {
    qint64 total = 0;
    for (int row = 0; row < templatePlan.rowCount(); ++row)
        total += TemplatePlanFrames(templatePlan, row, parameters);
    return total + kClosingMovieFrames;
}

qint64 SongFrames(qint64 lengthMs) { return lengthMs / 1000 * kFramesPerSecond; }

QList<SongPlanEntry> PlanSongs(const QList<qint64>& songFrames, qint64 total) {
    QList<SongPlanEntry> plan;
    bool anyFrames = false;
    for (qint64 frames : songFrames)
        anyFrames = anyFrames || frames > 0;
    if (!anyFrames)
        return plan;
    qint64 covered = 0;
    for (int i = 0; covered < total; i = (i + 1) % int(songFrames.size())) {
        if (songFrames[i] <= 0)
            continue;
        plan.append({i, songFrames[i]});
        covered += songFrames[i];
    }
    return plan;
}

QStringList MusicPlanRow(const TextTable& musicTable, const SongPlanEntry& entry) {
    QStringList cells;
    for (int column = 0; column <= 4; ++column)
        cells.append(musicTable.cell(entry.musicRow, column));
    cells.append(QString::number(entry.musicRow));
    cells.append(QString::number(entry.frames));
    return cells;
}

int MusicPlanRowOfSong(const TextTable& musicPlan, int row) {
    return musicPlan.cell(row, MusicPlanColumn::kMusicRow).toInt();
}

qint64 MusicPlanFrames(const TextTable& musicPlan, int row) {
    return musicPlan.cell(row, MusicPlanColumn::kFrames).toLongLong();
}

QString MusicPlanPath(const TextTable& musicPlan, int row) {
    return musicPlan.cell(row, MusicPlanColumn::kPath);
}
