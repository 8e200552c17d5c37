#include "app/Program.h"

#include <QDir>
#include <QPointer>

#include "app/AllWindows.h"
#include "app/PreviewBuild.h"
#include "app/TemplateWindowServices.h"
#include "platform/Events.h"

namespace {
Program* current = nullptr;
QString& chosenLockFolder() {
    static QString folder;
    return folder;
}

// Every window of the program, once, in creation order. Each registers itself in the
// window registry (Windows), through which windows reach one another; the Program deletes
// them in reverse order.
void CreateWindows() {
    new Form1;
    new Form2;
    new Form3;
    new Form4;
    new Form5;
    new Form6;
    new Form7;
    new Form8;
    new Form9;
    new Form12;
    new Form13;
    new Form14;
    new MainForm;
    new Form15;
    new Form16;
    new Form17;
    new Form18;
    new Form19;
    new Form20;
    new Form21;
    new Form22;
    new Form23;
    new Form24;
    new Form25;
    new Form41;
    InstallPreviewBuildSources();
    InstallTemplateWindowServices();
}
}  // namespace

Program::Program() {
    Q_ASSERT(!current);
    current = this;
    CreateWindows();
}

Program::~Program() {
    // Newest first, so a window never outlives one created after it.
    while (!Windows::all().isEmpty()) delete Windows::all().back();
    current = nullptr;
}

void Program::setLockFolder(const QString& folder) { chosenLockFolder() = folder; }

QString Program::lockFolder() {
    return chosenLockFolder().isEmpty() ? QDir::tempPath() : chosenLockFolder();
}

void Program::start() {
    Form1* loading = Windows::get<Form1>();
    loading->FormShow();
    if (ended_) return;
    loading->show();
}

void Program::end() {
    if (!current || current->ended_) return;
    current->ended_ = true;
    // Closing now would leave a window whose modal loop has not started yet waiting
    // forever; from the event loop every loop that is running sees its window closed.
    postCall(current, [] { current->closeAllWindows(); });
}

bool Program::ended() { return current && current->ended_; }

void Program::closeAllWindows() {
    if (windowsClosed_) return;
    windowsClosed_ = true;
    const QList<Window*> windows = Windows::all();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QPointer<Window> window = *it;
        if (window) window->done(QDialog::Rejected);
        if (window) window->hide();
    }
    if (endHandler_) endHandler_();
}
