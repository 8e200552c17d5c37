#pragma once
// What the template manager (Form8), the template preview (Form19) and a photo's templates
// (Form20) need from the rest of the program: the message and question windows, the photo
// renderer, and the album's tables with the edits made by hand.
//
// The three windows belong to the template library and know the album only through this
// interface, as the preview builder Form12 knows it through its build sources: the program
// installs the real services once its windows exist (app/TemplateWindowServices.h), and
// until then every call does nothing (no message, questions answered no, an empty album).
//
// The edits are those of photos/ManualMatching.h; each leaves the tables consistent and
// changes nothing for a row that does not exist.

#include <QImage>
#include <QString>
#include <memory>

#include "templates/PreviewFolders.h"
#include "templates/TemplateManager.h"

class TemplateWindowServices {
public:
    virtual ~TemplateWindowServices() = default;

    // A message in the program's message window; returns once it has been closed.
    virtual void showMessage(const QString& text);
    // A question in the program's question window; true only when it was answered OK.
    virtual bool askQuestion(const QString& caption, const QString& text);
    // Ends the program, as a failed data check does (a movie without its marker).
    virtual void endProgram();

    // The thumbnail panel of a photo: the photo drawn upright at `placement.picture` in a
    // white panel of `placement.panel`, with `number` written over the picture's top-left
    // corner on a yellow box. A photo that cannot be drawn shows the file's icon.
    virtual QImage photoTile(const QString& path, QSize photoSize, const PanelPlacement& placement,
                             const QString& number);

    // The album now: its photos and slots.
    virtual ManagerAlbum album();
    // Puts template-list row `libraryRow` into the album without photos. False when the
    // row does not exist.
    virtual bool useTemplate(int libraryRow);
    // Puts photo `photoRow` into slot-table row `slotRow` and computes its crop.
    virtual void placePhoto(int slotRow, int photoRow);
    // Deletes used template `usedRow` (its slots and background row; rows renumbered).
    virtual void deleteUsedTemplate(int usedRow);
    // Deletes every used template.
    virtual void deleteAllUsedTemplates();

    // The album as the preview-folder builder reads it, and the renderer that paints its
    // photos, for the template preview's pictures.
    virtual PreviewAlbum previewAlbum();
    virtual PhotoPainter photoPainter();
};

// The installed services (the do-nothing ones until the program installs its own).
TemplateWindowServices& TemplateServices();
// Installs `services` (null restores the do-nothing ones).
void InstallTemplateServices(std::unique_ptr<TemplateWindowServices> services);
