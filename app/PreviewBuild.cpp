#include "app/PreviewBuild.h"

#include "app/Form2.h"
#include "app/Form3Tables.h"
#include "app/PhotoRendering.h"
#include "app/RenderPhoto.h"
#include "photos/PreviewAlbum.h"
#include "templates/Form12.h"

PreviewAlbum ProgramPreviewAlbum() {
    const AlbumTables album = ProgramAlbumTables();
    return CollectPreviewAlbum({album.usedTemplates, album.slotTable, album.backgrounds, album.photos,
                                *Windows::get<Form2>()->ListView_mobancanshu});
}

PhotoPainter RendererPhotoPainter() {
    return [](const QString& path, QSize photoSize, const PanelPlacement& placement) -> PaintedPhoto {
        HideRendererNumber();
        const RenderedPhoto rendered = RenderPhoto(RenderPhotoRequest{
            path, placement.picture.size(), placement.picture.topLeft(), placement.panel, photoSize});
        return {rendered.image, rendered.isIcon || rendered.timedOut};
    };
}

void InstallPreviewBuildSources() {
    if (Form12* builder = Windows::get<Form12>()) builder->setBuildSources(ProgramPreviewAlbum, RendererPhotoPainter());
}
