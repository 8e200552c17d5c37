#include "photos/PhotoTable.h"

#include <QFileInfo>

QStringList PhotoTableCaptions() {
    return {"序号", "照片", "格式", "宽度", "高度", "位置", "套版"};
}

QStringList PendingPhotoTableCaptions() {
    return {"序号", "照片", "格式", "宽度", "高度", "位置", "完成"};
}

QStringList HorizontalPhotoTableCaptions() {
    return {"序号", "照片名称", "类型", "宽度", "高度", "位置", "序号"};
}

QString PhotoName(const TextTable& photos, int row) {
    return photos.cell(row, PhotoColumn::kName);
}

QString PhotoFormat(const TextTable& photos, int row) {
    return photos.cell(row, PhotoColumn::kFormat);
}

int PhotoWidth(const TextTable& photos, int row) {
    return photos.cell(row, PhotoColumn::kWidth).toInt();
}

int PhotoHeight(const TextTable& photos, int row) {
    return photos.cell(row, PhotoColumn::kHeight).toInt();
}

QString PhotoPath(const TextTable& photos, int row) {
    return photos.cell(row, PhotoColumn::kPath);
}

bool PhotoIsPlaced(const TextTable& photos, int row) {
    return !photos.cell(row, PhotoColumn::kPlaced).isEmpty();
}

bool PhotoIsHorizontal(const TextTable& photos, int row) {
    return IsHorizontal(PhotoWidth(photos, row), PhotoHeight(photos, row));
}

void MarkPhotoPlaced(TextTable& photos, int row) {
    photos.setCell(row, PhotoColumn::kPlaced, kPhotoPlaced);
}

int PendingPhotoRow(const TextTable& pending, int row) {
    bool ok = false;
    const int caption = pending.cell(row, PhotoColumn::kCaption).toInt(&ok);
    return ok ? caption - 1 : -1;
}

QSize AddRenderBox(QSize stored) {
    if (stored.width() <= 0 || stored.height() <= 0) return {};
    return {300, int(300LL * stored.height() / stored.width())};
}

QSize RecordedPhotoSize(QSize stored, QSize delivered) {
    if (delivered.width() < delivered.height())
        return stored.height() < stored.width() ? stored.transposed() : stored;
    if (delivered.height() < delivered.width())
        return stored.width() < stored.height() ? stored.transposed() : stored;
    return stored;
}

QString FileBaseName(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

QString FileExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty() ? QString() : "." + suffix;
}

int AppendPhoto(TextTable& photos, const QString& path, QSize recorded) {
    return photos.addRow({QString::number(photos.rowCount() + 1), FileBaseName(path),
                          FileExtension(path),
                          QString::number(recorded.width()), QString::number(recorded.height()),
                          path, QString()});
}

void RenumberPhotos(TextTable& photos) {
    for (int row = 0; row < photos.rowCount(); ++row)
        photos.setCell(row, PhotoColumn::kCaption, QString::number(row + 1));
}

int CountWaitingPhotos(const TextTable& photos) {
    int waiting = 0;
    for (int row = 0; row < photos.rowCount(); ++row)
        if (!PhotoIsPlaced(photos, row)) ++waiting;
    return waiting;
}

namespace {

// A photo row with exactly the seven columns, whatever the stored row holds.
QStringList PhotoCells(const TextTable& photos, int row) {
    QStringList cells;
    for (int column = PhotoColumn::kCaption; column <= PhotoColumn::kPlaced; ++column)
        cells.append(photos.cell(row, column));
    return cells;
}

}  // namespace

void RebuildPendingTables(const TextTable& photos, TextTable& pendingHorizontal,
                          TextTable& pendingVertical) {
    QVector<QStringList> horizontal;
    QVector<QStringList> vertical;
    for (int row = 0; row < photos.rowCount(); ++row) {
        if (PhotoIsPlaced(photos, row)) continue;
        (PhotoIsHorizontal(photos, row) ? horizontal : vertical).append(PhotoCells(photos, row));
    }
    pendingHorizontal.setRows(std::move(horizontal));
    pendingVertical.setRows(std::move(vertical));
}

int RemovePlacedPendingRows(TextTable& pending) {
    int removed = 0;
    for (int row = pending.rowCount() - 1; row >= 0; --row) {
        if (pending.cell(row, PhotoColumn::kPlaced) != kPhotoPlaced) continue;
        pending.removeRow(row);
        ++removed;
    }
    return removed;
}

void RebuildHorizontalPhotoTable(const TextTable& photos, TextTable& horizontalPhotos) {
    QVector<QStringList> rows;
    for (int row = 0; row < photos.rowCount(); ++row) {
        if (!PhotoIsHorizontal(photos, row)) continue;
        QStringList cells = PhotoCells(photos, row);
        cells[HorizontalPhotoColumn::kPhotoRow] = QString::number(row);
        rows.append(cells);
    }
    horizontalPhotos.setRows(std::move(rows));
}
