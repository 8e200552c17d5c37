#include "templates/PreviewFolders.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include "platform/FolderWipe.h"
#include "platform/Jpeg.h"
#include "templates/Container.h"
#include "templates/LibraryFolders.h"

namespace {
constexpr int kFrameWidth = 1920;
constexpr int kFrameHeight = 1080;
constexpr int kTemplateLayers = 20;
constexpr int kClosingLayers = 16;

QString Number(int n) { return QString::number(n); }

// The preview's intermediate names: "wj_y_lwj_y_l_<n>_wj_y_l_d_g_12-<pass><hhmmss><ext>"
// for template movies, "wj_y_l_z_h_02-<pass>..." for the closing movie.
QString PreviewIntermediate(int n, int pass, const QString& ext) {
    const QString stem = n > 0 ? "wj_y_lwj_y_l_" + Number(n) + "_wj_y_l_d_g_1" : QString("wj_y_l_z_h_0");
    return Folders::TemplateWork() + "/" + stem + "2-" + Number(pass) + TimeOfDayDigits() + ext;
}

QString IntermediateFor(const PreviewBuildOptions& options, int n, int pass) {
    if (options.intermediateName) return options.intermediateName(n, pass);
    return PreviewIntermediate(n, pass, options.extension);
}

void Step(const PreviewBuildOptions& options) {
    if (options.step) options.step();
}

// Makes `folder` (and its parents); a folder that cannot be made shows up as a failed
// write below, so nothing waits for it.
void MakeFolder(const QString& folder) { QDir().mkpath(folder); }

QImage WhitePanel(QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage BlackPanel(QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// `source` stretched to exactly `size` with a good filter.
QImage Stretched(const QImage& source, QSize size) {
    if (source.size() == size) return source;
    return source.scaled(size.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void NoteUnreadable(QStringList& unreadable, const QString& path) {
    if (!unreadable.contains(path)) unreadable.append(path);
}

QImage PaintPhoto(const PhotoPainter& painter, const QString& path, QSize photoSize,
                  const PanelPlacement& placement, QStringList& unreadable) {
    if (path.isEmpty() || placement.picture.isEmpty()) return WhitePanel(placement.panel);
    PaintedPhoto painted = painter ? painter(path, photoSize, placement) : PaintedPhoto{{}, true};
    if (painted.failed || painted.image.isNull()) {
        NoteUnreadable(unreadable, path);
        return WhitePanel(placement.panel);
    }
    return painted.image;
}

QImage Background(const PreviewTemplate& entry, const PreviewBuildOptions& options,
                  const PhotoPainter& painter, QStringList& unreadable) {
    if (entry.backgroundPath.isEmpty()) return BlackPanel(options.area);
    const PanelPlacement placement = BackgroundPlacement(entry.backgroundSize, options.area);
    return PaintPhoto(painter, entry.backgroundPath, entry.backgroundSize, placement, unreadable);
}
}  // namespace

namespace PreviewLayout {
QString WorkFolder() { return Folders::PreviewWork() + "/wj_y_l/wj_y_l"; }
QString AlbumFolder() { return WorkFolder() + "/wj_y_l"; }
QString TemplateFolder(int n) { return AlbumFolder() + "/wj_y_l_" + Number(n); }
QString TemplateMovie(int n, const QString& ext) { return TemplateFolder(n) + "/wj_y_l_" + Number(n) + ext; }
QString TemplateBackground(int n) { return TemplateFolder(n) + "/wj_y_l_b_j.jpg"; }
QString ClosingFolder() { return AlbumFolder() + "/wj_y_l_z_h"; }
QString ClosingMovie(const QString& ext) { return ClosingFolder() + "/wj_y_l_z_h" + ext; }
QString ClosingMovieCopy(const QString& ext) { return ClosingFolder() + "/wj_y_l_z_h_2" + ext; }
QString PictureFolder() { return WorkFolder() + "/pic"; }
QString HandOverPicture() { return PictureFolder() + "/picture_0.jpg"; }
QString HandOverBitmap() { return PictureFolder() + "/picture_0.bmp"; }
QString FrameFile() { return WorkFolder() + "/wj_y_l.bmp"; }
}  // namespace PreviewLayout

QSize FitModeSize(QSize photo) {
    const int pw = photo.width(), ph = photo.height();
    if (pw <= 0 || ph <= 0) return {kFrameWidth, kFrameHeight};
    if (ph < pw) {
        const int h = ph * kFrameWidth / pw;
        if (h <= kFrameHeight) return {kFrameWidth, h};
        return {pw * kFrameHeight / ph, kFrameHeight};
    }
    // Square, and a portrait photo in a horizontal template: as high as the frame.
    return {pw * kFrameHeight / ph, kFrameHeight};
}

PanelPlacement SlotPicturePlacement(const QString& category, PhotoDisplay display,
                                    const PreviewSlot& slot) {
    if (category == kHorizontalCategory) {
        // The full-mode crop lies in the slot's own box: a slot smaller than the frame
        // gets a panel of its own size, so the photo fills it as the crop says.
        if (display == PhotoDisplay::Full) {
            const QSize box = slot.slotSize.width() > 0 ? slot.slotSize : QSize(kFrameWidth, kFrameHeight);
            return {box, slot.full};
        }
        const QSize size = FitModeSize(slot.photoSize);
        return {size, QRect({0, 0}, size)};
    }
    if (category == kVerticalCategory)
        return {{slot.fit.width() + 2 * slot.fit.left(), kFrameHeight}, slot.fit};
    return {slot.slotSize, slot.full};
}

QSize ItemDisplaySize(const QString& category, PhotoDisplay display, QSize stage1Panel, QSize item,
                      QSize area) {
    if (category == kVerticalCategory) {
        const int b = stage1Panel.height();
        if (b <= 0) return {0, 0};
        const int dh = b * area.height() / kFrameHeight;
        return {stage1Panel.width() * dh / b, dh};
    }
    QSize reference = item;
    if (category == kHorizontalCategory && display == PhotoDisplay::Fit) reference = stage1Panel;
    if (category == kHorizontalCategory && display == PhotoDisplay::Full && item.width() <= 0)
        reference = QSize(kFrameWidth, kFrameHeight);
    return {area.width() * reference.width() / kFrameWidth, area.height() * reference.height() / kFrameHeight};
}

PanelPlacement BackgroundPlacement(QSize photo, QSize area) {
    const int w = photo.width(), h = photo.height();
    if (w <= 0 || h <= 0) return {area, QRect({0, 0}, area)};
    int pictureWidth = w * area.height() / h;
    int pictureHeight = area.height();
    if (pictureWidth < area.width()) {
        pictureWidth = area.width();
        pictureHeight = h * area.width() / w;
    }
    return {area, QRect(area.width() / 2 - pictureWidth / 2, 0, pictureWidth, pictureHeight)};
}

int ItemSourceSlot(const QVector<PreviewSlot>& slotList, const QString& item) {
    for (int i = int(slotList.size()) - 1; i >= 0; --i)
        if (!slotList[i].picture.isEmpty() && item.contains(slotList[i].picture)) return i;
    return -1;
}

QString PreviewBuildResult::unreadableMessage() const {
    if (unreadablePhotos.isEmpty()) return {};
    return "以下照片文件无法读取,预览中以空白显示:\n" + unreadablePhotos.join("\n");
}

void WriteTemplatePictures(const PreviewTemplate& entry, const QString& folder,
                           const PreviewBuildOptions& options, const PhotoPainter& painter,
                           QStringList& unreadablePhotos) {
    const QImage background = Background(entry, options, painter, unreadablePhotos);
    // The background file only when the album has a background table, as playback and
    // the making expect; an item without a slot shows it either way.
    if (options.writeBackground) WriteJpeg(background, folder + "/wj_y_l_b_j.jpg");

    // Stage 1, once per slot, kept in memory.
    QVector<QImage> stage1(entry.slotList.size());
    for (int s = 0; s < entry.slotList.size(); ++s) {
        const PreviewSlot& slot = entry.slotList[s];
        const PanelPlacement placement = SlotPicturePlacement(entry.category, options.display, slot);
        stage1[s] = PaintPhoto(painter, slot.photoPath, slot.photoSize, placement, unreadablePhotos);
    }

    // Stage 2, once per item of the width list.
    for (int k = 0; k < entry.widths.size(); ++k) {
        const QString item = entry.items.value(k);
        if (item.isEmpty()) continue;
        const QSize itemSize(entry.widths[k].toInt(), entry.heights.value(k).toInt());
        const int source = ItemSourceSlot(entry.slotList, item);
        QSize display;
        QImage picture;
        if (source >= 0) {
            display = ItemDisplaySize(entry.category, options.display, stage1[source].size(), itemSize,
                                      options.area);
            picture = stage1[source];
        } else {
            display = ItemDisplaySize(kAdvancedCategory, options.display, {}, itemSize, options.area);
            picture = background;
        }
        if (display.isEmpty()) continue;
        WriteJpeg(Stretched(picture, display), folder + "/" + item + ".jpg");
    }
}

PreviewBuildResult BuildPreviewFolders(const PreviewAlbum& album, const PreviewBuildOptions& options,
                                       const PhotoPainter& painter) {
    PreviewBuildResult result;
    const QString ext = options.extension;

    WipeFolder(PreviewLayout::AlbumFolder());
    MakeFolder(PreviewLayout::AlbumFolder());
    for (int i = 0; i < album.templates.size(); ++i) {
        if (album.templates[i].complete) {
            MakeFolder(PreviewLayout::TemplateFolder(i + 1));
            result.completedRows.append(i);
        }
        Step(options);
    }
    MakeFolder(PreviewLayout::ClosingFolder());
    WipeFolder(PreviewLayout::PictureFolder());
    MakeFolder(PreviewLayout::PictureFolder());
    MakeFolder(Folders::TemplateWork());

    for (int i = 0; i < album.templates.size(); ++i) {
        const PreviewTemplate& entry = album.templates[i];
        if (entry.complete) {
            const int n = i + 1;
            const ContainerResult unwrapped = UnwrapContainer(
                entry.movieContainer, kTemplateLayers,
                [&](int pass) { return IntermediateFor(options, n, pass); }, PreviewLayout::TemplateMovie(n, ext));
            if (!unwrapped) {
                result.ok = false;
                result.error = unwrapped.error;
                return result;
            }
        }
        Step(options);
    }

    if (QFile::exists(Folders::ClosingArchive())) {
        const ContainerResult unwrapped = UnwrapContainer(
            Folders::ClosingArchive(), kClosingLayers,
            [&](int pass) { return IntermediateFor(options, 0, pass); }, PreviewLayout::ClosingMovie(ext));
        if (!unwrapped) {
            result.ok = false;
            result.error = unwrapped.error;
            return result;
        }
        if (options.closingCopy) QFile::copy(PreviewLayout::ClosingMovie(ext), PreviewLayout::ClosingMovieCopy(ext));
    }

    PreviewBuildOptions pictures = options;
    pictures.writeBackground = album.hasBackgrounds;
    for (int i = 0; i < album.templates.size(); ++i) {
        const PreviewTemplate& entry = album.templates[i];
        if (!entry.complete) continue;
        WriteTemplatePictures(entry, PreviewLayout::TemplateFolder(i + 1), pictures, painter,
                              result.unreadablePhotos);
        Step(options);
    }
    return result;
}
