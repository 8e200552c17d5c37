// Program entry: the application title, the windows, the message loop.
//
// Developer option: `--screenshot FILE` saves a picture of the main window a moment after
// it has opened, then ends the program the way the exit command does; the README's demo
// command uses it on a machine without a screen.

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "app/Form16.h"
#include "app/Form2.h"
#include "app/Program.h"

namespace {
// Once the main window is open, waits `delayMs`, saves it to `file` and ends the program.
void SaveMainWindowWhenOpen(const QString& file, int delayMs) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, file, delayMs] {
        Form2* main = Windows::get<Form2>();
        if (!main || !main->isVisible()) return;
        poll->stop();
        QTimer::singleShot(delayMs, main, [main, file] {
            const bool saved = main->grab().save(file);
            if (!saved) qWarning("could not save %s", qPrintable(file));
            Windows::get<Form16>()->Button1Click();
        });
    });
    poll->start(50);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumora");
    // The program ends when its loading window is closed (Program::end), not when the
    // last visible window goes away.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser options;
    QCommandLineOption screenshot("screenshot", "Save the main window to FILE and end.", "FILE");
    options.addOption(screenshot);
    options.process(app);

    Program program;
    program.setEndHandler([] { QApplication::exit(0); });
    if (options.isSet(screenshot)) SaveMainWindowWhenOpen(options.value(screenshot), 1500);
    program.start();
    if (Program::ended()) return 0;
    return app.exec();
}
