#pragma once
// The working folder of the template preview (Form19) and the rules of its pictures. No
// window in it.
//
// One template is previewed at a time, from its own folder inside the album folder of the
// preview working folders (templates/PreviewFolders.h; W = lumdata/wj_y_l/wj_y_l/wj_y_l):
//
//   W/wj_y_l/wj_y_l/wj_y_l_d_g_2<ext>     the template's movie, unwrapped (20 layers)
//   W/wj_y_l/wj_y_l/wj_y_l_d_g_2_2<ext>   a second copy, loaded first
//   W/wj_y_l/wj_y_l/wj_y_l_b_j.jpg        the background picture
//   W/wj_y_l/wj_y_l/<item>.jpg            one picture per picture item of the template
//   W/pic/picture_0.jpg                   the hand-over picture (black, 81 x 57)
//
// The caller wipes and makes both folders before it unwraps the movie, and wipes
// lumdata/wj_y_l with everything in it when the preview window has closed.
//
// Placeholders. A library template is previewed with a teal box labelled "picture" in
// every picture item, sized from the item's size in the 1920 x 1080 frame to the preview
// area A x B: (w * A / 1920, h * B / 1080). A single horizontal template ("横照模板") takes
// 1920 x 1080 with "照片全屏显示效果" and 1620 x 1080 with "照片适中显示效果" whatever its
// item sizes; a vertical template ("竖照模板") 1080 x 1920 (its boxes are (1080 * A / 1920,
// 1920 * B / 1080)).

#include <QSize>
#include <QString>

#include "templates/PreviewFolders.h"

namespace TemplatePreviewLayout {
QString Folder();                         // W/wj_y_l/wj_y_l
QString Movie(const QString& ext);        // .../wj_y_l_d_g_2<ext>
QString MovieCopy(const QString& ext);    // .../wj_y_l_d_g_2_2<ext>
QString Background();                     // .../wj_y_l_b_j.jpg
QString Picture(const QString& item);     // .../<item>.jpg
}  // namespace TemplatePreviewLayout

// The mode words of Form19.Edit_caozuo_xuanze.
inline const QString kLibraryPreviewMode = QStringLiteral("yulan_yuanmoban");
inline const QString kUsedPreviewMode = QStringLiteral("yulan_shiyongmoban");
inline const QString kPhotoPreviewMode = QStringLiteral("yulan_zhujiemian_duiying_shiyongmoban");

// The black pictures of a library template: the background and the hand-over picture.
inline constexpr QSize kBlackBackgroundSize{800, 450};
inline constexpr QSize kHandOverPictureSize{81, 57};

// Wipes the template's folder and the pic folder and makes both again. Answers how many
// times the pic folder's existence was checked while it was made (2 when the first try
// succeeds; the unwrapped movie's intermediate names carry the number), or 0 when a
// folder could not be made within a second.
int RecreateTemplatePreviewFolders();

// The placeholder box of a picture item of size `item` (see above).
QSize PlaceholderSize(const QString& category, QSize item, PhotoDisplay display, QSize area);

// Writes a black picture of `size` as a JPEG file; false when it cannot be written.
bool WriteBlackPicture(QSize size, const QString& path);
