// Program entry: the application title, the windows, the message loop.
//
// Developer option: `--screenshot FILE` saves a picture of the main window once it is shown
// and ends the program; the README's demo command uses it on a machine without a screen.

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "app/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumora");

    QCommandLineParser options;
    QCommandLineOption screenshot("screenshot", "Save the main window to FILE and end.", "FILE");
    options.addOption(screenshot);
    options.process(app);

    MainWindow window;
    window.show();
    if (options.isSet(screenshot)) {
        const QString file = options.value(screenshot);
        QTimer::singleShot(500, &window, [&window, file] {
            const bool saved = window.grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
