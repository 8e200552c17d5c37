#pragma once
// Form1: the loading window (caption "Lumora"). It holds the single-instance lock for the
// whole run, shows the loading picture with the progress bar ProgressBar_jiazai under
// the library scan, and starts the loading chain from Timer1.

#include <memory>

#include "platform/Window.h"

class InstanceLock;
class QLabel;
class QProgressBar;
class Timer;

class Form1 : public Window {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    QProgressBar* progressBar() const { return ProgressBar_jiazai; }
    Timer* timer1() const { return Timer1; }

public slots:
    // The opening: takes the lock "Lumora"; when another copy holds it the program ends
    // without showing anything. Otherwise sizes the window to its picture, puts the
    // progress bar along its bottom edge and starts Timer1.
    void FormShow();
    // Timer1 (1000 ms) fires once: starts the main window's loading timer.
    void Timer1Timer();

protected:
    // Esc does nothing: the loading window closes when loading ends, or when the program
    // ends.
    void reject() override;

private:
    std::unique_ptr<InstanceLock> lock_;
    QLabel* Image1;                     // the loading picture
    QProgressBar* ProgressBar_jiazai;   // progress of reading the template parameters
    Timer* Timer1;                      // waits 1 s after the opening, then starts loading
};
