#pragma once
// The album's photo table and the tables rebuilt from it.
//
// Form3.ListView_daoru_zhaopian holds one PhotoRecord per added JPG file:
//
//     col 0 序号   1-based position, rewritten 1...N after every single deletion
//     col 1 照片   file name without folder and extension
//     col 2 格式   the extension with its dot, as spelled (".jpg")
//     col 3 宽度   recorded (upright) width in pixels
//     col 4 高度   recorded (upright) height in pixels
//     col 5 位置   full path
//     col 6 套版   empty while the photo waits for a slot, "完成" once it has one
//
// A photo's 0-based row number is its identity in every other table. A photo is
// horizontal when its height is not greater than its width (square photos included).
//
// Derived tables, never edited by hand:
//   - the pending tables Form3.ListView_heng_zhao / ListView_shu_zhao: copies of the waiting
//     photo rows, split by orientation (same seven columns, the last one being col 6);
//   - Form8.ListView_qubu_hengzhao: one row per horizontal photo, cols 0-5 of the photo row
//     and then the photo's 0-based row number.
//
// Every function takes the tables it reads or writes; the windows own them.

#include <QSize>
#include <QString>
#include <QStringList>

#include "platform/TextTable.h"

// Column numbers of a PhotoRecord (and of the pending tables, which copy it).
namespace PhotoColumn {
enum : int {
    kCaption = 0,  // 序号
    kName = 1,     // 照片
    kFormat = 2,   // 格式
    kWidth = 3,    // 宽度
    kHeight = 4,   // 高度
    kPath = 5,     // 位置
    kPlaced = 6,   // 套版 ("完成" once placed)
};
}

// Column numbers of Form8.ListView_qubu_hengzhao.
namespace HorizontalPhotoColumn {
enum : int {
    kCaption = 0,   // 序号 (the photo's caption)
    kName = 1,      // 照片名称
    kFormat = 2,    // 类型
    kWidth = 3,     // 宽度
    kHeight = 4,    // 高度
    kPath = 5,      // 位置
    kPhotoRow = 6,  // 序号 (the photo's 0-based row number)
};
}

// The word of col 6 (and of the pending tables' last column) for a placed photo.
inline const QString kPhotoPlaced = QStringLiteral("完成");

// Column captions, for the windows that create these tables.
QStringList PhotoTableCaptions();            // 序号 照片 格式 宽度 高度 位置 套版
QStringList PendingPhotoTableCaptions();     // 序号 照片 格式 宽度 高度 位置 完成
QStringList HorizontalPhotoTableCaptions();  // 序号 照片名称 类型 宽度 高度 位置 序号

// The orientation rule: horizontal when height <= width.
inline bool IsHorizontal(int width, int height) { return height <= width; }

// Accessors of a photo row (also valid on a pending row). Numbers that do not parse read 0.
QString PhotoName(const TextTable& photos, int row);
QString PhotoFormat(const TextTable& photos, int row);
int PhotoWidth(const TextTable& photos, int row);
int PhotoHeight(const TextTable& photos, int row);
QString PhotoPath(const TextTable& photos, int row);
bool PhotoIsPlaced(const TextTable& photos, int row);
bool PhotoIsHorizontal(const TextTable& photos, int row);
void MarkPhotoPlaced(TextTable& photos, int row);
// The photo-table row a pending row copies: its caption minus one (-1 when it does not parse).
int PendingPhotoRow(const TextTable& pending, int row);

// The box the renderer is asked to draw a newly added photo into: 300 wide and 300·H/W
// high, from the stored JPG size W x H. An empty size when W or H is not positive.
QSize AddRenderBox(QSize stored);

// The size a newly added photo is recorded with, from its stored JPG size and the size of
// the upright picture the renderer delivered: the stored sides, in the order that gives
// the delivered picture's orientation. A picture delivered higher than wide records the
// smaller side first (4000 x 3000 stored, delivered upright -> 3000 x 4000); one delivered
// wider than high records the larger side first (3000 x 4000 stored with a turning tag,
// delivered lying -> 4000 x 3000); a square delivered picture keeps the stored size.
QSize RecordedPhotoSize(QSize stored, QSize delivered);

// The parts of a file name the tables keep: the name without folder and extension, and
// the extension with its dot as spelled ("IMG.JPG" -> "IMG", ".JPG"; no extension -> "").
QString FileBaseName(const QString& path);
QString FileExtension(const QString& path);

// Appends the photo at `path` with its recorded size and an empty col 6; col 0 is the new
// row count. Returns the new row number.
int AppendPhoto(TextTable& photos, const QString& path, QSize recorded);

// Rewrites col 0 of every row as 1...N.
void RenumberPhotos(TextTable& photos);

// The number of photos whose col 6 is empty.
int CountWaitingPhotos(const TextTable& photos);

// Clears both pending tables and fills them with copies of the waiting photos, in photo
// order, horizontal ones into `pendingHorizontal`, vertical ones into `pendingVertical`.
void RebuildPendingTables(const TextTable& photos, TextTable& pendingHorizontal,
                          TextTable& pendingVertical);

// Deletes every pending row whose last column is "完成", from the last row to the first.
// Returns how many rows were deleted.
int RemovePlacedPendingRows(TextTable& pending);

// Clears and refills Form8.ListView_qubu_hengzhao from the photo table.
void RebuildHorizontalPhotoTable(const TextTable& photos, TextTable& horizontalPhotos);
