#pragma once
// Program: the windows of the program and its life from start to end.
//
// Creating a Program creates every window once, in the program's fixed order (Form1 the
// loading window, Form2 the main window, the tool windows, the hidden renderer MainForm);
// destroying it destroys them. There is one Program at a time.
//
// start() runs the loading window's opening: it takes the single-instance lock and, when
// another copy holds it, ends the program before anything is shown. Otherwise it shows
// the loading window, whose timer runs the loading chain and then shows the main window
// modally (see Form1 and Form2).
//
// end() is what closing the loading window did: every exit path and every failed data
// check calls it. It marks the program ended at once, so that a chain in progress stops at
// its next step, and closes every window from the event loop (so that a window being
// opened right now is closed too); then it calls the end handler, which in the real
// program leaves the event loop. Tests keep the default (no handler) and look at ended().

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class Program : public QObject {
    Q_OBJECT
public:
    Program();
    ~Program() override;

    // The folder of the single-instance lock "Lumora": the system's temporary folder
    // unless set (tests use their own so they never meet a running copy).
    static void setLockFolder(const QString& folder);
    static QString lockFolder();

    // Runs when the program has ended and its windows are closed.
    void setEndHandler(std::function<void()> handler) { endHandler_ = std::move(handler); }

    void start();

    static void end();
    static bool ended();

private:
    void closeAllWindows();

    std::function<void()> endHandler_;
    bool ended_ = false;
    bool windowsClosed_ = false;
};
