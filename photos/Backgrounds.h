#pragma once
// The background pictures of the used templates.
//
// Form21.ListView_moban_beijing holds one row per used template, in used-template order:
//
//     col 0 编号      the used template's 编号
//     col 1 名称      template name
//     col 2 类型      template type
//     col 3 分类      template category
//     col 4 图片名称  picture name without extension; empty when the template has none
//     col 5 图片类型  extension with its dot
//     col 6 宽度      picture width
//     col 7 高度      picture height
//     col 8 图片位置  full path
//
// A background is always a horizontal picture (height <= width). Rows get a photo of the
// album drawn at random from Form8.ListView_qubu_hengzhao; the user may replace it by any
// horizontal JPG file.

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

#include "photos/PictureFit.h"
#include "platform/TextTable.h"

namespace BackgroundColumn {
enum : int {
    kNumber = 0,    // 编号
    kName = 1,      // 名称
    kType = 2,      // 类型
    kCategory = 3,  // 分类
    kPicture = 4,   // 图片名称
    kFormat = 5,    // 图片类型
    kWidth = 6,     // 宽度
    kHeight = 7,    // 高度
    kPath = 8,      // 图片位置
};
}

QStringList BackgroundTableCaptions();

// A random whole number in [0, count) for count >= 1. Tests pass a fixed sequence.
using RandomPick = std::function<int(int count)>;
// Uniform picks from the system's random generator.
RandomPick DefaultRandomPick();

QString BackgroundPictureName(const TextTable& backgrounds, int row);
int BackgroundWidth(const TextTable& backgrounds, int row);
int BackgroundHeight(const TextTable& backgrounds, int row);
QString BackgroundPath(const TextTable& backgrounds, int row);

// Appends the background row of used-template row `usedRow`, with a horizontal photo
// picked at random from `horizontalPhotos`, or an empty picture when it has no rows.
void AppendBackgroundRow(TextTable& backgrounds, const TextTable& usedTemplates, int usedRow,
                         const TextTable& horizontalPhotos, const RandomPick& random);

// Gives every background row whose picture is empty a horizontal photo picked at random
// (a fresh pick per row). Nothing happens when `horizontalPhotos` is empty.
void FillEmptyBackgrounds(TextTable& backgrounds, const TextTable& horizontalPhotos,
                          const RandomPick& random);

// --- Form21 ---------------------------------------------------------------------------

// The preview image of Form21 is 201 x 151; the picture is fitted into 195 x 145 with a
// 3-pixel white border (1600 x 1200 -> 193 x 145, a square -> 145 x 145).
inline constexpr QSize kBackgroundPreviewBox{201, 151};
FramedPicture BackgroundPreviewFit(int pictureWidth, int pictureHeight);

// What showing row `row` of the table does: nothing (empty table, no selection), a message
// (no picture), or a preview of the picture with its hint.
struct BackgroundShowing {
    bool show = false;  // preview the picture
    QString message;    // for the message window, when not empty
    QString hint;       // "第" + (row + 1) + "张, 背景图片名称: " + picture name
    FramedPicture fit;  // where the picture goes in the preview
};
BackgroundShowing ShowBackgroundRow(const TextTable& backgrounds, int row);

// The refusal of "更换背景图片" before any file is chosen: "没有找到背景图片文件！" for
// an empty table, "没有选中背景图片文件！" without a selected row (`row` < 0 or past the
// end); empty when the command may go on.
QString BackgroundReplaceRefusal(const TextTable& backgrounds, int row);

// Replaces the picture of row `row` by the JPG file at `path`, decoded at `decoded` size and
// drawn upright by the renderer at `drawn` size (asked for a box 300 wide). A drawn picture
// that is horizontal (height <= width) is written into cols 4-8 with the decoded size and
// the answer is empty; a vertical one leaves the row unchanged and answers
// "此张照片不是横照片,请重新更换一张横照片!". When the renderer delivered nothing (an
// empty `drawn`), the decoded size decides. The refusals of BackgroundReplaceRefusal come
// first.
QString ReplaceBackground(TextTable& backgrounds, int row, const QString& path, QSize decoded,
                          QSize drawn);
