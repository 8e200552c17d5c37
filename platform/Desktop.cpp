#include "platform/Desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "platform/Window.h"

namespace {
std::unique_ptr<Desktop>& installed() {
    static std::unique_ptr<Desktop> desktop = std::make_unique<QtDesktop>();
    return desktop;
}
}  // namespace

Desktop& Desktop::current() { return *installed(); }

std::unique_ptr<Desktop> Desktop::install(std::unique_ptr<Desktop> desktop) {
    Q_ASSERT(desktop);
    std::swap(installed(), desktop);
    return desktop;
}

QStringList QtDesktop::chooseFiles(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& presetName, bool multiple) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (!presetName.isEmpty()) dialog.selectFile(presetName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString QtDesktop::chooseFolder(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title);
}

bool QtDesktop::openExternal(const QString& pathOrUrl) {
    const QUrl url = pathOrUrl.contains("://") ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

int QtDesktop::runModal(Window& window) { return window.exec(); }

void ScriptedDesktop::queueModalAction(const QString& windowName, ModalAction action) {
    modalActions_.emplace_back(windowName, std::move(action));
}

QStringList ScriptedDesktop::chooseFiles(QWidget*, const QString&, const QString&, const QString& presetName,
                                         bool multiple) {
    fileDialogPresets_.append(presetName);
    if (files_.empty()) return {};
    QStringList paths = std::move(files_.front());
    files_.erase(files_.begin());
    if (!multiple && paths.size() > 1) paths = paths.mid(0, 1);
    return paths;
}

QString ScriptedDesktop::chooseFolder(QWidget*, const QString&) {
    if (folders_.empty()) return {};
    QString folder = std::move(folders_.front());
    folders_.erase(folders_.begin());
    return folder;
}

bool ScriptedDesktop::openExternal(const QString& pathOrUrl) {
    opened_.append(pathOrUrl);
    return true;
}

int ScriptedDesktop::runModal(Window& window) {
    modalsShown_.append(window.name());
    ModalAction action;
    for (auto it = modalActions_.begin(); it != modalActions_.end(); ++it) {
        if (it->first == window.name()) {
            action = std::move(it->second);
            modalActions_.erase(it);
            break;
        }
    }
    QPointer<Window> guard(&window);
    if (action) {
        QTimer::singleShot(0, &window, [guard, action] {
            if (guard && guard->isVisible()) action(*guard);
        });
    }
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &window, [this, guard] {
        if (!guard || !guard->isVisible()) return;
        modalsTimedOut_.append(guard->name());
        guard->reject();
    });
    limit.start(modalTimeLimitMs_);
    return window.exec();
}
