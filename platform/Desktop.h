#pragma once
// Desktop: everything a person does outside the program's own windows.
//
// Choosing files and folders, opening a folder or web page, and acting inside a window
// that is shown modally all go through the one installed Desktop. QtDesktop is the real
// one (Qt's dialogs, QDesktopServices, QDialog::exec). ScriptedDesktop answers from queues
// and acts on each modal window through a callback; tests and the batch driver install it
// and then run the real commands and windows under Qt's offscreen platform.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Window;
class QWidget;

class Desktop {
public:
    virtual ~Desktop() = default;

    // The installed desktop; a QtDesktop until another is installed.
    static Desktop& current();
    // Installs `desktop` (never null) and answers the one it replaces.
    static std::unique_ptr<Desktop> install(std::unique_ptr<Desktop> desktop);

    // A file-open dialog: `filter` in Qt's form ("JPG 文件 (*.jpg *.jpeg)"), `presetName` the
    // name shown in the name box. Answers the chosen paths, empty when the person cancels.
    virtual QStringList chooseFiles(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& presetName, bool multiple) = 0;
    // A folder dialog; answers the folder, or empty text when the person cancels.
    virtual QString chooseFolder(QWidget* parent, const QString& title) = 0;
    // Opens a folder or web page in the system's own program; false when that failed.
    virtual bool openExternal(const QString& pathOrUrl) = 0;
    // Shows `window` modally and returns its result code when it has been closed.
    virtual int runModal(Window& window) = 0;
};

class QtDesktop : public Desktop {
public:
    QStringList chooseFiles(QWidget* parent, const QString& title, const QString& filter,
                            const QString& presetName, bool multiple) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;
    bool openExternal(const QString& pathOrUrl) override;
    int runModal(Window& window) override;
};

// Answers dialogs from queues that a script fills beforehand. A dialog with nothing queued
// is answered as if the person cancelled. A modal window runs its real modal loop: the
// action queued for it (if any) runs once the loop has started, and whatever is still open
// after the time limit is closed (rejected) and recorded, so no script can hang.
class ScriptedDesktop : public Desktop {
public:
    using ModalAction = std::function<void(Window&)>;

    void queueFiles(QStringList paths) { files_.push_back(std::move(paths)); }
    void queueFolder(QString folder) { folders_.push_back(std::move(folder)); }
    // The next time the window `windowName` is shown modally, `action` runs inside it.
    void queueModalAction(const QString& windowName, ModalAction action);
    // Longest time a modal window may stay open; 60 s unless set.
    void setModalTimeLimit(int milliseconds) { modalTimeLimitMs_ = milliseconds; }

    // What happened so far, for the script to print or a test to check.
    const QStringList& openedExternally() const { return opened_; }
    const QStringList& modalsShown() const { return modalsShown_; }
    const QStringList& modalsTimedOut() const { return modalsTimedOut_; }
    // The preset name of every file dialog shown so far (empty text for none), in order.
    const QStringList& fileDialogPresets() const { return fileDialogPresets_; }

    QStringList chooseFiles(QWidget* parent, const QString& title, const QString& filter,
                            const QString& presetName, bool multiple) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;
    bool openExternal(const QString& pathOrUrl) override;
    int runModal(Window& window) override;

private:
    std::vector<QStringList> files_;
    std::vector<QString> folders_;
    std::vector<std::pair<QString, ModalAction>> modalActions_;
    QStringList opened_;
    QStringList modalsShown_;
    QStringList modalsTimedOut_;
    QStringList fileDialogPresets_;
    int modalTimeLimitMs_ = 60000;
};
