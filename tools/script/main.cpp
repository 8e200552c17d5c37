// lumora-script: runs the real program headlessly from a script of user actions and prints
// what a tester asks for.
//
//     lumora-script [--data DIR] [--time-limit MS] SCRIPT
//
// The program starts as usual (the loading chain over the data folder beside this driver,
// or DIR) under Qt's offscreen platform with the scripted desktop; once the main window is
// open the script's steps run inside it; then the program ends through the exit command.
// Paths in the script are taken relative to the script's folder. The script format is in
// the README (lumora-script).
//
// Every message shown in the message box is recorded and closed as a person would; a
// question is answered as the script said ("answer"), else cancelled. A window shown
// modally runs the next "in" block queued for it; without one it is left to its own jobs
// (a progress window closes itself) and closed at the time limit, which is reported.
//
// Exit status: 0 when every step ran; 1 when a step failed (named on stderr, the rest of
// the script is skipped); 2 when the script cannot be read or the program ended before
// its main window opened.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QLabel>
#include <QDir>
#include <QMouseEvent>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <deque>

#include "app/AllWindows.h"
#include "app/Program.h"
#include "platform/Desktop.h"
#include "platform/Events.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "templates/LibraryFolders.h"
#include "tools/script/Script.h"

namespace {
QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}

void Error(const QString& text) {
    std::fputs(qPrintable(text + "\n"), stderr);
    std::fflush(stderr);
}

QString OneLine(QString text) { return text.replace('\n', "\\n"); }

// ---- Controls: picking in a list, on a slider or a radio button, selecting a row, and
// printing a label as it shows.

// "pick WINDOW.CONTROL [VALUE]": a list selects the item with the text VALUE, a slider
// moves to VALUE, a button is clicked.
QString PickControl(Window& window, const QString& name, const QString& value) {
    QWidget* control = window.findChild<QWidget*>(name);
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        if (!list->isEnabled()) return name + " is disabled";  // locked, as while music plays
        const int index = list->findText(value);
        if (index < 0) return "no item " + value + " in " + name;
        list->setCurrentIndex(index);
        return {};
    }
    if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        bool ok = false;
        const int position = value.toInt(&ok);
        if (!ok) return "a slider takes a number";
        slider->setValue(position);
        return {};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (!button->isEnabled()) return name + " is disabled";
        button->click();
        return {};
    }
    return "no list, slider or button " + name;
}

// "select WINDOW.VIEW ROW": selects the 1-based row of a table and clicks it; 0 clears.
QString SelectRow(Window& window, const QString& name, const QString& rowWord) {
    auto* view = window.findChild<QAbstractItemView*>(name);
    if (!view || !view->model()) return "no table view " + name;
    bool ok = false;
    const int row = rowWord.toInt(&ok) - 1;
    if (!ok || row < -1 || row >= view->model()->rowCount()) return "no row " + rowWord + " in " + name;
    if (row < 0) {
        view->clearSelection();
        return {};
    }
    const QModelIndex index = view->model()->index(row, 0);
    view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->setCurrentIndex(index);
    emit view->clicked(index);
    return {};
}

// ---- The mouse: clicking and dragging a control with the left button, as a person would.

void SendMouse(QWidget* control, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(control->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

// "click WINDOW.CONTROL [double]": pressed and released at the control's centre; with
// "double" a second press that is a double-click follows.
QString ClickControl(QWidget* control, const QString& name, bool twice) {
    if (!control) return "no control " + name;
    if (!control->isEnabled()) return name + " is disabled";
    QPointer<QWidget> guard(control);
    const QPoint centre = control->rect().center();
    SendMouse(control, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    if (guard) SendMouse(control, QEvent::MouseButtonRelease, centre, Qt::NoButton);
    if (!twice) return {};
    if (guard) SendMouse(control, QEvent::MouseButtonDblClick, centre, Qt::LeftButton);
    if (guard) SendMouse(control, QEvent::MouseButtonRelease, centre, Qt::NoButton);
    return {};
}

// "drag WINDOW.CONTROL DX DY": pressed at the control's centre, moved in four steps by
// (DX, DY) pixels of the window and released there. Every step is aimed at the control
// where it lies by then, since a dragged control moves under the mouse.
QString DragControl(Window& window, QWidget* control, const QString& name, QPoint offset) {
    if (!control) return "no control " + name;
    if (!control->isEnabled()) return name + " is disabled";
    QPointer<QWidget> guard(control);
    const QPoint start = control->mapTo(&window, control->rect().center());
    SendMouse(control, QEvent::MouseButtonPress, control->mapFrom(&window, start), Qt::LeftButton);
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps && guard; ++step) {
        const QPoint at = start + offset * step / kSteps;
        SendMouse(control, QEvent::MouseMove, control->mapFrom(&window, at), Qt::LeftButton);
    }
    if (guard) SendMouse(control, QEvent::MouseButtonRelease, control->mapFrom(&window, start + offset), Qt::NoButton);
    return {};
}

// "print label WINDOW.LABEL": text, place and size, font and colour, tab-separated.
QString LabelLine(const QLabel& label) {
    const QFont font = label.font();
    const QRect box = label.geometry();
    QStringList style;
    if (font.bold()) style << "bold";
    if (font.italic()) style << "italic";
    return QString("%1\t%2,%3 %4x%5\t%6 %7px %8\t%9")
        .arg(OneLine(label.text()))
        .arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())
        .arg(font.family()).arg(font.pixelSize())
        .arg(style.isEmpty() ? "regular" : style.join(' '))
        .arg(label.palette().color(QPalette::WindowText).name());
}

class Driver;

// The scripted desktop with the driver's defaults for the message and question boxes and
// its queue of "in" blocks.
class DriverDesktop : public ScriptedDesktop {
public:
    explicit DriverDesktop(Driver& driver) : driver_(driver) {}
    int runModal(Window& window) override;

private:
    Driver& driver_;
};

class Driver {
public:
    Driver(QString scriptFolder, int timeLimitMs) : folder_(std::move(scriptFolder)), timeLimitMs_(timeLimitMs) {}

    int exitCode() const { return exitCode_; }
    bool mainOpened() const { return mainOpened_; }
    void setDesktop(DriverDesktop* desktop) { desktop_ = desktop; }

    void runMain(const std::vector<ScriptStep>& steps, Window& main) {
        // A failed check while the main window opens (a start-up archive of the wrong
        // size) ends the program before this runs: the main window never opened.
        if (Program::ended()) return;
        mainOpened_ = true;
        runSteps(steps, &main);
        if (Program::ended() || !main.isVisible()) return;
        queueBlock("Form16", {}, [](Window& w) { static_cast<Form16&>(w).Button1Click(); });
        static_cast<Form2&>(main).Button3Click();
    }

    // What runs inside a modal window: its queued block, or the box's default.
    std::function<void(Window&)> modalAction(Window& window) {
        const QString name = window.name();
        if (name == "Form14") messages_.append(static_cast<Form14&>(window).message());
        if (name == "Form17") questions_.append(static_cast<Form17&>(window).message());
        for (auto it = blocks_.begin(); it != blocks_.end(); ++it) {
            if (it->window != name) continue;
            Block block = std::move(*it);
            blocks_.erase(it);
            return [this, block](Window& w) { runBlock(block, w); };
        }
        if (name == "Form14") return [](Window& w) { static_cast<Form14&>(w).Button1Click(); };
        if (name == "Form17") {
            const bool yes = !answers_.empty() && answers_.front();
            if (!answers_.empty()) answers_.pop_front();
            return [yes](Window& w) {
                if (yes) static_cast<Form17&>(w).Button1Click();
                else static_cast<Form17&>(w).Button2Click();
            };
        }
        return {};
    }

private:
    struct Block {
        QString window;
        std::vector<ScriptStep> steps;
        std::function<void(Window&)> native;  // instead of steps, for the driver's own use
    };

    void queueBlock(const QString& window, std::vector<ScriptStep> steps, std::function<void(Window&)> native = {}) {
        blocks_.push_back(Block{window, std::move(steps), std::move(native)});
    }

    void runBlock(const Block& block, Window& window) {
        QPointer<Window> guard(&window);
        if (block.native) block.native(window);
        else runSteps(block.steps, &window);
        if (guard && guard->isVisible() && !Program::ended()) guard->reject();
    }

    void runSteps(const std::vector<ScriptStep>& steps, Window* here) {
        for (const ScriptStep& step : steps) {
            if (exitCode_ != 0 || Program::ended()) return;
            const QString failure = runStep(step, here);
            if (failure.isEmpty()) continue;
            Error(QString("line %1: %2").arg(step.line).arg(failure));
            exitCode_ = 1;
            return;
        }
    }

    QString path(const QString& word) const {
        return QDir::cleanPath(QDir(folder_).absoluteFilePath(word));
    }

    // "Form2.Button6Click" -> window and name; a name alone means the window `here`.
    QString resolve(const QString& word, Window* here, Window** window, QString* name) const {
        const int dot = int(word.indexOf('.'));
        *window = dot < 0 ? here : Windows::find(word.left(dot));
        *name = dot < 0 ? word : word.mid(dot + 1);
        if (!*window) return "no window " + word.left(dot);
        return {};
    }

    QString runStep(const ScriptStep& step, Window* here) {
        const QString& verb = step.verb;
        const QStringList& words = step.words;
        if (verb == "files") {
            QStringList paths;
            for (const QString& word : words) paths.append(path(word));
            desktop_->queueFiles(paths);
            return {};
        }
        if (verb == "folder") {
            desktop_->queueFolder(words.isEmpty() ? QString() : path(words[0]));
            return {};
        }
        if (verb == "answer") {
            answers_.push_back(words[0] == "yes");
            return {};
        }
        if (verb == "in") {
            if (!Windows::find(words[0])) return "no window " + words[0];
            queueBlock(words[0], step.block);
            return {};
        }
        if (verb == "close") {
            if (here) here->reject();
            return {};
        }
        if (verb == "wait") return wait(words.isEmpty() ? -1 : words[0].toInt());
        if (verb == "frames" && qobject_cast<Form19*>(here)) return templatePreview(*static_cast<Form19*>(here), words[0]);
        if (verb == "play" || verb == "frames" || (verb == "print" && words[0] == "times")) return preview(step);
        if (verb == "drop") return drop(words[0].toInt() - 1, words[1].toInt() - 1);
        if (verb == "copy") {
            const QString from = path(words[0]);
            const QString to = path(words[1]);
            QFile::remove(to);
            if (!QFile::copy(from, to)) return "could not copy " + words[0] + " to " + words[1];
            return {};
        }
        if (verb == "echo") {
            Out() << words.join(' ') << "\n";
            Out().flush();
            return {};
        }
        Window* window = nullptr;
        QString name;
        if (verb == "print" && words[0] != "table" && words[0] != "field" && words[0] != "label" &&
            words[0] != "list" && words[0] != "place")
            return print(words);
        const QString target = verb == "print" ? words[1] : words[0];
        if (QString bad = resolve(target, here, &window, &name); !bad.isEmpty()) return bad;
        if (verb == "run") return run(*window, name);
        if (verb == "pick") return PickControl(*window, name, words.value(1));
        if (verb == "select") return SelectRow(*window, name, words[1]);
        if (verb == "click") return ClickControl(window->findChild<QWidget*>(name), target, words.size() == 2);
        if (verb == "drag")
            return DragControl(*window, window->findChild<QWidget*>(name), target,
                               QPoint(words[1].toInt(), words[2].toInt()));
        if (verb == "print" && words[0] == "place") {
            const QWidget* control = window->findChild<QWidget*>(name);
            if (!control) return "no control " + target;
            const QRect box = control->geometry();
            Out() << window->name() << "." << name << "\t" << box.x() << "," << box.y() << " " << box.width() << "x"
                  << box.height() << "\n";
            Out().flush();
            return {};
        }
        if (verb == "print" && words[0] == "list") return printList(*window, name, target);
        if (verb == "print" && words[0] == "label") {
            const QLabel* label = window->findChild<QLabel*>(name);
            if (!label) return "no label " + target;
            Out() << window->name() << "." << name << "\t" << LabelLine(*label) << "\n";
            Out().flush();
            return {};
        }
        if (verb == "set") {
            if (!window->setField(name, words.value(1))) return "no field " + target;
            return {};
        }
        if (verb == "screenshot") {
            if (!window->grab().save(path(words[1]))) return "could not save " + words[1];
            return {};
        }
        if (words[0] == "table") {
            const TextTable* table = window->table(name);
            if (!table) return "no table " + target;
            Out() << "# " << target << "\n" << table->toTsv();
            if (!table->toTsv().endsWith('\n')) Out() << "\n";
            Out().flush();
            return {};
        }
        if (!window->hasField(name)) return "no field " + target;
        Out() << target << "\t" << OneLine(window->field(name)) << "\n";
        Out().flush();
        return {};
    }

    // ---- The album preview: play, wait for frames or the end, the time labels.

    QString preview(const ScriptStep& step) {
        auto* main = Windows::get<Form2>();
        if (step.verb == "play") {
            // As the play button does: stop, then play.
            main->runCommand("Button18Click");
            main->runCommand("Button17Click");
            return {};
        }
        if (step.verb == "print") {
            Out() << "# times\n"
                  << "Label_danqianshijian\t" << main->elapsedTime() << "\n"
                  << "Label_zongshijian\t" << main->totalTime() << "\n";
            Out().flush();
            return {};
        }
        // frames N: until N more album frames have been shown; frames end: until the album
        // is idle again. Either ends when the album ends, or at the time limit.
        const bool toEnd = step.words[0] == "end";
        const qint64 target = main->state().Edit_zong_leijia_zhen.toLongLong() + step.words[0].toLongLong();
        auto done = [&] {
            if (!main->state().playing()) return true;
            return !toEnd && main->state().Edit_zong_leijia_zhen.toLongLong() >= target;
        };
        if (!waitUntil(done, timeLimitMs_)) return "the album was still playing at the time limit";
        return {};
    }

    // "frames N" / "frames end" inside an "in Form19" block: the template preview, once its
    // movie is loaded, until N more frames have been shown or it has stopped on its last
    // frame. Fails when the window closes first (the movie did not load) or at the time limit.
    QString templatePreview(Form19& window, const QString& word) {
        QPointer<Form19> guard(&window);
        auto closed = [&guard] { return !guard || !guard->isVisible(); };
        if (!waitUntil([&] { return closed() || guard->prepared(); }, timeLimitMs_))
            return "the template preview was still preparing at the time limit";
        if (closed()) return "Form19 closed before its preview ran";
        const bool toEnd = word == "end";
        const int target = guard->field("Edit_dangqian_zhenshuo_leijia").toInt() + word.toInt();
        auto done = [&] {
            if (closed() || !guard->playing()) return true;
            return !toEnd && guard->field("Edit_dangqian_zhenshuo_leijia").toInt() >= target;
        };
        if (!waitUntil(done, timeLimitMs_)) return "the template preview was still playing at the time limit";
        return {};
    }

    // "drop N M": photo N dragged onto frame M of the template shown in the template
    // manager, with the mouse. Without a template shown the manager says so, as to a person.
    QString drop(int photoRow, int frame) {
        Form8* manager = Windows::get<Form8>();
        if (!manager->isVisible()) return "drop needs the template manager open (in Form8)";
        manager->finishLoading();
        if (!manager->photoTile(photoRow)) return QString("no photo %1 in the template manager").arg(photoRow + 1);
        if (manager->field("Edit_mobanhangshu").isEmpty()) {
            manager->dropPhoto(photoRow, frame);
            return {};
        }
        if (!manager->dragPhotoToFrame(photoRow, frame))
            return QString("no frame %1 in the template shown").arg(frame + 1);
        return {};
    }

    QString run(Window& window, const QString& handler) {
        if (auto* main = qobject_cast<Form2*>(&window)) {
            if (!main->runCommand(handler)) return "no handler " + handler + " in Form2";
            return {};
        }
        if (!window.invokeHandler(handler)) return "no handler " + handler + " in " + window.name();
        return {};
    }

    // "print list W.NAME": the pick list's items, the picked one marked with *, and whether
    // it is locked.
    QString printList(Window& window, const QString& name, const QString& target) {
        auto* list = window.findChild<QComboBox*>(name);
        if (!list) return "no list " + target;
        Out() << "# " << target << (list->isEnabled() ? "" : " (locked)") << "\n";
        for (int i = 0; i < list->count(); ++i)
            Out() << (i == list->currentIndex() ? "* " : "  ") << list->itemText(i) << "\n";
        Out().flush();
        return {};
    }

    QString print(const QStringList& words) {
        const QString& what = words[0];
        QStringList lines;
        if (what == "messages") lines = messages_;
        if (what == "questions") lines = questions_;
        if (what == "modals") lines = desktop_->modalsShown();
        if (what == "opened") lines = desktop_->openedExternally();
        if (what == "fields") {
            Window* window = Windows::find(words[1]);
            if (!window) return "no window " + words[1];
            QStringList names = window->fieldNames();
            names.sort();
            for (const QString& name : names) lines.append(name + "\t" + window->field(name));
        }
        Out() << "# " << words.join(' ') << "\n";
        for (const QString& line : lines) Out() << OneLine(line) << "\n";
        Out().flush();
        return {};
    }

    // Lets the running jobs finish: waits until no window timer is enabled, or `ms`.
    QString wait(int ms) {
        if (ms >= 0) {
            waitUntil([] { return Program::ended(); }, ms);
            return {};
        }
        auto idle = [] {
            for (Window* window : Windows::all())
                for (const Timer* timer : window->findChildren<Timer*>())
                    if (timer->enabled()) return false;
            return true;
        };
        if (!waitUntil(idle, timeLimitMs_)) return "jobs still running after the time limit";
        return {};
    }

    QString folder_;
    int timeLimitMs_;
    DriverDesktop* desktop_ = nullptr;
    std::deque<Block> blocks_;
    std::deque<bool> answers_;
    QStringList messages_;
    QStringList questions_;
    int exitCode_ = 0;
    bool mainOpened_ = false;
};

int DriverDesktop::runModal(Window& window) {
    if (auto action = driver_.modalAction(window)) queueModalAction(window.name(), std::move(action));
    const int result = ScriptedDesktop::runModal(window);
    return result;
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumora");
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser options;
    options.setApplicationDescription("Runs Lumora from a script of user actions.");
    options.addHelpOption();
    QCommandLineOption data("data", "The folder holding lumdata/ (default: beside this program).", "DIR");
    QCommandLineOption limit("time-limit", "Longest time a window or a wait may take (ms, default 60000).", "MS",
                             "60000");
    options.addOption(data);
    options.addOption(limit);
    options.addPositionalArgument("script", "The script file.");
    options.process(app);
    if (options.positionalArguments().size() != 1) {
        Error("usage: lumora-script [--data DIR] [--time-limit MS] SCRIPT");
        return 2;
    }

    const QString scriptPath = options.positionalArguments()[0];
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly)) {
        Error("cannot read " + scriptPath);
        return 2;
    }
    const ParsedScript script = ParseScript(QString::fromUtf8(file.readAll()));
    if (!script.error.isEmpty()) {
        Error(scriptPath + ": " + script.error);
        return 2;
    }

    if (options.isSet(data)) SetProgramFolder(QFileInfo(options.value(data)).absoluteFilePath());
    // A lock of its own, so a running copy of the program never stops a script.
    QTemporaryDir lockFolder;
    Program::setLockFolder(lockFolder.path());

    const int timeLimit = options.value(limit).toInt();
    Driver driver(QFileInfo(scriptPath).absolutePath(), timeLimit);
    auto desktop = std::make_unique<DriverDesktop>(driver);
    desktop->setModalTimeLimit(timeLimit);
    DriverDesktop* installed = desktop.get();
    driver.setDesktop(installed);
    Desktop::install(std::move(desktop));

    int status = 0;
    {
        Program program;
        program.setEndHandler([] { QApplication::exit(0); });
        installed->queueModalAction("Form2", [&driver, &script](Window& main) { driver.runMain(script.steps, main); });
        program.start();
        if (!Program::ended()) {
            Windows::get<Form1>()->Timer1Timer();
            app.exec();
        }
        processPendingEvents();
        for (const QString& window : installed->modalsTimedOut())
            Error(window + " was still open at the time limit and was closed");
        if (!driver.mainOpened()) {
            Error("the program ended before its main window opened");
            status = 2;
        }
    }
    Out().flush();
    return status ? status : driver.exitCode();
}
