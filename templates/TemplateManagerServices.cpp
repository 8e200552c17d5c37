#include "templates/TemplateManagerServices.h"

void TemplateWindowServices::showMessage(const QString&) {}
bool TemplateWindowServices::askQuestion(const QString&, const QString&) { return false; }
void TemplateWindowServices::endProgram() {}
QImage TemplateWindowServices::photoTile(const QString&, QSize, const PanelPlacement&, const QString&) {
    return {};
}
ManagerAlbum TemplateWindowServices::album() { return {}; }
bool TemplateWindowServices::useTemplate(int) { return false; }
void TemplateWindowServices::placePhoto(int, int) {}
void TemplateWindowServices::deleteUsedTemplate(int) {}
void TemplateWindowServices::deleteAllUsedTemplates() {}
PreviewAlbum TemplateWindowServices::previewAlbum() { return {}; }
PhotoPainter TemplateWindowServices::photoPainter() { return {}; }

namespace {
std::unique_ptr<TemplateWindowServices>& Installed() {
    static std::unique_ptr<TemplateWindowServices> services = std::make_unique<TemplateWindowServices>();
    return services;
}
}  // namespace

TemplateWindowServices& TemplateServices() { return *Installed(); }

void InstallTemplateServices(std::unique_ptr<TemplateWindowServices> services) {
    Installed() = services ? std::move(services) : std::make_unique<TemplateWindowServices>();
}
