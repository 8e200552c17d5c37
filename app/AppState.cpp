#include "app/AppState.h"

#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/PathSeparator.h"
#include "platform/TextTable.h"
#include "production/Synchronisation.h"
#include "templates/FrameClock.h"
#include "templates/TemplateTables.h"

const QList<AppStateField>& AppStateFields() {
#define LUMORA_FIELD(name) AppStateField{#name, &AppState::name}
    static const QList<AppStateField> fields = {
        LUMORA_FIELD(Edit_tuichu),
        LUMORA_FIELD(Edit_hangshu),
        LUMORA_FIELD(Edit_Width_01),
        LUMORA_FIELD(Edit_Height_01),
        LUMORA_FIELD(Edit_Image_kongjian),
        LUMORA_FIELD(Edit_fangye_hao),
        LUMORA_FIELD(FirstPageLoadWord),
        LUMORA_FIELD(Edit_tuodong_kaiguan),
        LUMORA_FIELD(Edit_tuodong_down_x),
        LUMORA_FIELD(Edit_tuodong_down_y),
        LUMORA_FIELD(Edit_zidongkongzhi),
        LUMORA_FIELD(Edit_zhizuo_kaishi),
        LUMORA_FIELD(Edit_zhizuo_zhuan_zhizuo),
        LUMORA_FIELD(Edit_xiangce_leixing),
        LUMORA_FIELD(Edit_kuozhanming_1),
        LUMORA_FIELD(Edit_wancheng),
        LUMORA_FIELD(Edit_moban_hanghao_leijia),
        LUMORA_FIELD(Edit_yinyue_leijia),
        LUMORA_FIELD(Edit_geci_leijia),
        LUMORA_FIELD(Edit_moban_zhen_leijia),
        LUMORA_FIELD(Edit_zong_leijia_zhen),
        LUMORA_FIELD(Edit_yinyue_shijian),
        LUMORA_FIELD(Edit_sui_yinyue_shijian),
        LUMORA_FIELD(Edit_xiangce_baocun_weizhi),
        LUMORA_FIELD(Edit_mcl_zujian),
        LUMORA_FIELD(Edit_mcl_caozuo_leixing),
        LUMORA_FIELD(Edit_ShockwaveFlash_qi_dong_dong_hua),
        LUMORA_FIELD(Edit_ShockwaveFlash_bofang),
        LUMORA_FIELD(Edit_yinyue_dakai_1ci),
        LUMORA_FIELD(Edit_geci_dakai_1ci),
    };
#undef LUMORA_FIELD
    return fields;
}

QStringList TemplateSummaryCaptions() { return {"序号", "模板", "模板时长"}; }
QStringList MusicSummaryCaptions() { return {"序号", "音乐", "时间长度"}; }
QStringList LyricSummaryCaptions() { return {"序号", "歌词", "歌词格式"}; }
QStringList CropPhotoListCaptions() {
    return {"序号", "照片名称", "使用次数", "照片位置", "标注", "行号"};
}

void RebuildSummary(TextTable& summary, const TextTable& source, const QList<int>& columns) {
    QVector<QStringList> rows;
    rows.reserve(source.rowCount());
    for (int row = 0; row < source.rowCount(); ++row) {
        QStringList cells{QString::number(row + 1)};
        for (int column : columns) cells.append(source.cell(row, column));
        rows.append(cells);
    }
    summary.setRows(std::move(rows));
}

int ColumnOfCaption(const TextTable& table, const QString& caption) {
    return int(table.columnCaptions().indexOf(caption));
}

qint64 CompletedTemplateFrames(const TextTable& usedTemplates, const TextTable& parameters) {
    qint64 sum = 0;
    for (int row = 0; row < usedTemplates.rowCount(); ++row) {
        if (usedTemplates.cell(row, UsedTemplateColumn::kMatched) != kTemplateComplete) continue;
        const int parameterRow =
            ParameterTable::RowOfTemplate(parameters, UsedTemplateIndex(usedTemplates, row));
        if (parameterRow < 0) continue;
        sum += ParameterTable::Frames(parameters, parameterRow);
    }
    return sum;
}

QString TotalTimeLabel(qint64 completedFrames) {
    if (completedFrames == 0) return "00:00:00";
    return FramesToClock(AlbumFrames(completedFrames));
}

void RebuildCropPhotoList(TextTable& list, const TextTable& slotTable, const TextTable& photos) {
    QVector<QStringList> rows;
    for (int slot = 0; slot < slotTable.rowCount(); ++slot) {
        const QString path = slotTable.cell(slot, SlotColumn::kPhotoPath);
        if (path.isEmpty()) continue;
        const QString photoRowText = slotTable.cell(slot, SlotColumn::kPhotoRow);
        int uses = 0;
        for (int other = 0; other < slotTable.rowCount(); ++other)
            if (slotTable.cell(other, SlotColumn::kPhotoRow) == photoRowText) ++uses;
        const int photoRow = SlotPhotoRow(slotTable, slot);
        const QString name = photoRow >= 0 ? PhotoName(photos, photoRow) : QString();
        rows.append({QString::number(rows.size() + 1), name, QString::number(uses), path,
                     QString::number(slot), photoRowText});
    }
    list.setRows(std::move(rows));
}

QStringList OutputSizeEntries(const QStringList& widths, const QStringList& heights) {
    QStringList entries;
    for (int i = 0; i < widths.size(); ++i)
        entries.append(widths[i] + " × " + heights.value(i));
    return entries;
}

QString WithTrailingSeparator(const QString& folder) {
    if (folder.isEmpty() || IsPathSeparator(folder.back())) return folder;
    return folder + "/";
}
