#pragma once
// PreviewFolders: the working folders the album's movies are played from, and the builder
// that fills them. No window in it: Form12 drives it for the preview in the main window,
// and the making window builds the same folders at the output frame size.
//
// Layout (below lumdata/wj_y_l, the root wiped when a preview stops and at start-up;
// W = lumdata/wj_y_l/wj_y_l/wj_y_l, n = 1-based row of the used-template table, ext = the
// movie extension, ".rar"):
//
//   W/wj_y_l/                        album folder: wiped and made anew by every build
//   W/wj_y_l/wj_y_l_<n>/             one per used template whose 照片匹配 is "已完成"
//       wj_y_l_<n><ext>              the template's movie, unwrapped (20 layers)
//       wj_y_l_b_j.jpg               its background picture
//       <item>.jpg                   one picture per picture item of the template
//   W/wj_y_l/wj_y_l_z_h/wj_y_l_z_h<ext>   the closing movie, unwrapped (16 layers)
//   W/pic/                           the hand-over picture picture_0.jpg (the last frame
//                                    of the template before), made anew by every build
//   W/wj_y_l.bmp                     the making's current frame
//
// Pictures are made in two stages, in the 1920 x 1080 frame the templates are laid out in:
//
//   stage 1, per photo slot: the photo painted into a white panel (SlotPicturePlacement);
//   stage 2, per picture item k: the stage-1 picture of the last slot whose picture name
//     occurs in item k, scaled to the item's display size in the target area
//     (ItemDisplaySize) and written as <item k>.jpg. An item no slot feeds shows the
//     template's background (black when there is none).
//
// The target area is a parameter: the main window's 800 x 450 photo area for the preview,
// the output frame (1280 x 720 ...) for the making. The player scales every picture into
// the box its movie declares, so pictures of either size fill the same place.
//
// Photos are painted through a PhotoPainter (the program's photo renderer): it answers
// the white panel with the placed photo, cut where it leaves the panel. A photo it cannot
// draw (missing, unreadable) leaves its slot white; the build goes on and names the photo
// in its result, once.

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// Paths of the working folders (see above).
namespace PreviewLayout {
QString WorkFolder();                        // W
QString AlbumFolder();                       // W/wj_y_l
QString TemplateFolder(int n);               // W/wj_y_l/wj_y_l_<n>
QString TemplateMovie(int n, const QString& ext);
QString TemplateBackground(int n);           // .../wj_y_l_b_j.jpg
QString ClosingFolder();                     // W/wj_y_l/wj_y_l_z_h
QString ClosingMovie(const QString& ext);    // .../wj_y_l_z_h<ext>
QString ClosingMovieCopy(const QString& ext);  // .../wj_y_l_z_h_2<ext> (the making's copy)
QString PictureFolder();                     // W/pic
QString HandOverPicture();                   // W/pic/picture_0.jpg
QString HandOverBitmap();                    // W/pic/picture_0.bmp
QString FrameFile();                         // W/wj_y_l.bmp
}  // namespace PreviewLayout

// Display mode of photos in single horizontal templates (Form12's two radio buttons).
enum class PhotoDisplay { Full, Fit };

// The category words of the used-template table (分类).
inline const QString kAdvancedCategory = QStringLiteral("综合模板");
inline const QString kHorizontalCategory = QStringLiteral("横照模板");
inline const QString kVerticalCategory = QStringLiteral("竖照模板");

// One photo slot of a used template, as the slot table holds it.
struct PreviewSlot {
    QString picture;    // the movie's picture name of the slot
    QString photoPath;  // the assigned photo; empty when the slot has none
    QSize photoSize;    // its recorded (upright) size
    QSize slotSize;     // the slot's size in the 1920 x 1080 frame
    QRect full;         // the full-mode crop: where the photo lies relative to the slot
    QRect fit;          // the fit-mode crop (vertical templates)
};

// One used template with what the build needs of it.
struct PreviewTemplate {
    bool complete = false;   // 照片匹配 "已完成"
    QString category;        // 综合模板 / 横照模板 / 竖照模板
    QString movieContainer;  // the movie container in the library
    QStringList widths;      // per picture item: width in the frame
    QStringList heights;     // per picture item: height
    QStringList items;       // picture items (the movie's picture names)
    QVector<PreviewSlot> slotList;  // the photo slots, in slot-table order
    QString backgroundPath;  // the background photo; empty: a black background
    QSize backgroundSize;
};

struct PreviewAlbum {
    QVector<PreviewTemplate> templates;  // in used-template order
    bool hasBackgrounds = false;         // the background table has rows (else none written)
};

// ---- The rules, in integer arithmetic, multiplying first and truncating.

// A picture placed in a white panel: the panel's size and the picture's place and size in
// it (parts outside the panel are cut off).
struct PanelPlacement {
    QSize panel;
    QRect picture;
    bool operator==(const PanelPlacement&) const = default;
};

// Stage 1 of a slot:
//   综合模板               panel = slot size, picture = the full-mode crop
//   横照模板, full mode     panel = the box the crop was made in (the slot's size, or
//                           1920 x 1080 for a slot of width 0), picture = the full-mode crop
//   横照模板, fit mode      the photo whole in the frame: a landscape photo 1920 wide (1080
//                           high at most), a square or portrait photo 1080 high; panel =
//                           picture at (0, 0)
//   竖照模板               picture = the fit-mode crop, panel (its width + 2 left) x 1080
// Any other category is placed as 综合模板.
PanelPlacement SlotPicturePlacement(const QString& category, PhotoDisplay display,
                                    const PreviewSlot& slot);

// The whole photo of `photo` fitted into the frame, for single horizontal templates in fit
// mode (1600 x 900 -> 1920 x 1080, 1000 x 400 -> 1920 x 768, square -> 1080 x 1080).
QSize FitModeSize(QSize photo);

// Stage 2: the size item k is written at in `area`, from the stage-1 panel of its source
// and the item's own size in the frame:
//   横照模板: in full mode the item's size ((1920, 1080) for an item of width 0, a slot
//     standing for the whole frame), the stage-1 panel in fit mode;
//   综合模板: the item's size; both as area w * A / 1920 x area h * B / 1080;
//   竖照模板: height = panel h * area h / 1080, width = panel w * height / panel h.
QSize ItemDisplaySize(const QString& category, PhotoDisplay display, QSize stage1Panel,
                      QSize item, QSize area);

// The background photo in `area`: as high as the area, or as wide when that leaves it
// narrower than the area; centred across, top 0 (1024 x 768 in 800 x 450: 800 x 600 at 0, 0).
PanelPlacement BackgroundPlacement(QSize photo, QSize area);

// The slot feeding picture item `item`: the last slot whose picture name occurs in the
// item, or -1.
int ItemSourceSlot(const QVector<PreviewSlot>& slotList, const QString& item);

// ---- The builder.

// What the photo renderer answers: the panel painted, or failed (the photo cannot be drawn).
struct PaintedPhoto {
    QImage image;
    bool failed = false;
};
using PhotoPainter = std::function<PaintedPhoto(const QString& photoPath, QSize photoSize,
                                                const PanelPlacement& placement)>;

struct PreviewBuildOptions {
    QSize area{800, 450};           // the target area the pictures are made for
    PhotoDisplay display = PhotoDisplay::Full;
    QString extension = ".rar";     // of the movie files
    // Name of intermediate file `pass` when unwrapping the movie of folder n (0: the
    // closing movie), in the template working folder; empty: the preview's names.
    std::function<QString(int n, int pass)> intermediateName;
    bool closingCopy = false;       // also save the closing movie as wj_y_l_z_h_2<ext>
    // Write wj_y_l_b_j.jpg (WriteTemplatePictures); the builder writes it exactly when the
    // album has a background table.
    bool writeBackground = true;
    std::function<void()> step;     // after each step (3 per used template): progress, events
};

struct PreviewBuildResult {
    bool ok = true;
    QString error;                  // when !ok: the unwrap error, naming the container
    QList<int> completedRows;       // 0-based used-template rows given a folder, in order
    QStringList unreadablePhotos;   // photos drawn white, each once

    // The one message naming the unreadable photos; empty when there are none.
    QString unreadableMessage() const;
};

// Builds the folders for `album`: wipes and makes the album folder and pic/, unwraps every
// complete template's movie and the closing movie, and writes their pictures. Stops at the
// first movie container that does not unwrap (result.ok false; the folders made so far
// stay). A missing closing-movie archive is no error: playback goes on without it.
PreviewBuildResult BuildPreviewFolders(const PreviewAlbum& album, const PreviewBuildOptions& options,
                                       const PhotoPainter& painter);

// The pictures of one template into `folder`: the background, then the items. For the
// builder, and for tools that make one template's folder.
void WriteTemplatePictures(const PreviewTemplate& entry, const QString& folder,
                           const PreviewBuildOptions& options, const PhotoPainter& painter,
                           QStringList& unreadablePhotos);
