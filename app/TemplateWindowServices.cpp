#include "app/TemplateWindowServices.h"

#include "app/Form18.h"
#include "app/Form3Tables.h"
#include "app/MainForm.h"
#include "app/Messages.h"
#include "app/PreviewBuild.h"
#include "app/Program.h"
#include "app/RenderPhoto.h"
#include "photos/ManualMatching.h"
#include "templates/TemplateManagerServices.h"

namespace {
class ProgramTemplateServices : public TemplateWindowServices {
public:
    void showMessage(const QString& text) override { ShowMessage(text); }
    bool askQuestion(const QString& caption, const QString& text) override { return AskQuestion(caption, text); }
    void endProgram() override { Program::end(); }

    QImage photoTile(const QString& path, QSize photoSize, const PanelPlacement& placement,
                     const QString& number) override {
        MainForm* renderer = Windows::get<MainForm>();
        renderer->showNumber(number);
        const RenderedPhoto rendered = RenderPhoto(
            RenderPhotoRequest{path, placement.picture.size(), placement.picture.topLeft(), placement.panel, photoSize});
        renderer->hideNumber();
        return rendered.image;
    }

    ManagerAlbum album() override {
        const AlbumTables tables = ProgramAlbumTables();
        return ReadManagerAlbum(tables.photos, tables.slotTable);
    }
    bool useTemplate(int libraryRow) override {
        return UseTemplateByHand(ProgramLibraryTables(), ProgramAlbumTables(), libraryRow);
    }
    void placePhoto(int slotRow, int photoRow) override {
        PlacePhotoInSlot(ProgramAlbumTables(), slotRow, photoRow, Windows::get<Form18>()->photoSettings());
    }
    void deleteUsedTemplate(int usedRow) override { DeleteUsedTemplate(ProgramAlbumTables(), usedRow); }
    void deleteAllUsedTemplates() override { DeleteAllUsedTemplates(ProgramAlbumTables()); }

    PreviewAlbum previewAlbum() override { return ProgramPreviewAlbum(); }
    PhotoPainter photoPainter() override { return RendererPhotoPainter(); }
};
}  // namespace

void InstallTemplateWindowServices() { InstallTemplateServices(std::make_unique<ProgramTemplateServices>()); }
