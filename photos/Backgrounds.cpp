#include "photos/Backgrounds.h"

#include <QRandomGenerator>

#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"

QStringList BackgroundTableCaptions() {
    return {"编号", "名称", "类型", "分类", "图片名称", "图片类型", "宽度", "高度", "图片位置"};
}

RandomPick DefaultRandomPick() {
    return [](int count) { return count <= 1 ? 0 : int(QRandomGenerator::global()->bounded(count)); };
}

QString BackgroundPictureName(const TextTable& backgrounds, int row) {
    return backgrounds.cell(row, BackgroundColumn::kPicture);
}

int BackgroundWidth(const TextTable& backgrounds, int row) {
    return backgrounds.cell(row, BackgroundColumn::kWidth).toInt();
}

int BackgroundHeight(const TextTable& backgrounds, int row) {
    return backgrounds.cell(row, BackgroundColumn::kHeight).toInt();
}

QString BackgroundPath(const TextTable& backgrounds, int row) {
    return backgrounds.cell(row, BackgroundColumn::kPath);
}

namespace {

// Cols 4-8 of a background row from a random row of the horizontal-photo table, or five
// empty texts when the table is empty.
QStringList RandomPictureCells(const TextTable& horizontalPhotos, const RandomPick& random) {
    if (horizontalPhotos.rowCount() == 0) return {{}, {}, {}, {}, {}};
    int pick = random(horizontalPhotos.rowCount());
    if (pick < 0 || pick >= horizontalPhotos.rowCount()) pick = 0;
    QStringList cells;
    for (int column = HorizontalPhotoColumn::kName; column <= HorizontalPhotoColumn::kPath;
         ++column)
        cells.append(horizontalPhotos.cell(pick, column));
    return cells;
}

void SetPicture(TextTable& backgrounds, int row, const QStringList& cells) {
    for (int k = 0; k < cells.size(); ++k)
        backgrounds.setCell(row, BackgroundColumn::kPicture + k, cells[k]);
}

}  // namespace

void AppendBackgroundRow(TextTable& backgrounds, const TextTable& usedTemplates, int usedRow,
                         const TextTable& horizontalPhotos, const RandomPick& random) {
    QStringList cells{usedTemplates.cell(usedRow, UsedTemplateColumn::kNumber),
                      usedTemplates.cell(usedRow, UsedTemplateColumn::kName),
                      usedTemplates.cell(usedRow, UsedTemplateColumn::kType),
                      usedTemplates.cell(usedRow, UsedTemplateColumn::kCategory)};
    cells += RandomPictureCells(horizontalPhotos, random);
    backgrounds.addRow(cells);
}

void FillEmptyBackgrounds(TextTable& backgrounds, const TextTable& horizontalPhotos,
                          const RandomPick& random) {
    if (horizontalPhotos.rowCount() == 0) return;
    for (int row = 0; row < backgrounds.rowCount(); ++row)
        if (BackgroundPictureName(backgrounds, row).isEmpty())
            SetPicture(backgrounds, row, RandomPictureCells(horizontalPhotos, random));
}

FramedPicture BackgroundPreviewFit(int pictureWidth, int pictureHeight) {
    return FitFramed(pictureWidth, pictureHeight, kBackgroundPreviewBox);
}

BackgroundShowing ShowBackgroundRow(const TextTable& backgrounds, int row) {
    if (row < 0 || row >= backgrounds.rowCount()) return {};
    const QString name = BackgroundPictureName(backgrounds, row);
    if (name.isEmpty()) return {false, QStringLiteral("当前选中项没有添加背景图片文件！"), {}, {}};
    return {true, {}, "第" + QString::number(row + 1) + "张, 背景图片名称: " + name,
            BackgroundPreviewFit(BackgroundWidth(backgrounds, row),
                                 BackgroundHeight(backgrounds, row))};
}

QString BackgroundReplaceRefusal(const TextTable& backgrounds, int row) {
    if (backgrounds.rowCount() == 0) return QStringLiteral("没有找到背景图片文件！");
    if (row < 0 || row >= backgrounds.rowCount()) return QStringLiteral("没有选中背景图片文件！");
    return {};
}

QString ReplaceBackground(TextTable& backgrounds, int row, const QString& path, QSize decoded,
                          QSize drawn) {
    if (const QString refusal = BackgroundReplaceRefusal(backgrounds, row); !refusal.isEmpty())
        return refusal;
    const QSize judged = drawn.isEmpty() ? decoded : drawn;
    if (!IsHorizontal(judged.width(), judged.height()))
        return QStringLiteral("此张照片不是横照片,请重新更换一张横照片!");
    SetPicture(backgrounds, row,
               {FileBaseName(path), FileExtension(path),
                QString::number(decoded.width()), QString::number(decoded.height()), path});
    return {};
}
