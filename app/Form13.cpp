#include "app/Form13.h"

#include <QProgressBar>

#include "app/Program.h"
#include "platform/CaptionBar.h"
#include "platform/Timer.h"

namespace {
Timer* JobTimer(Form13* window, const char* name, void (Form13::*handler)()) {
    auto* timer = new Timer(window, 500, [window, handler] { (window->*handler)(); });
    timer->setObjectName(name);
    return timer;
}
}  // namespace

Form13::Form13(QWidget* parent) : Window("Form13", QString(), parent) {
    resize(420, 120);
    SkinSmallWindow(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(20, 60, width() - 40, 24);
    ProgressBar1->setRange(0, 0);
    Timer3 = JobTimer(this, "Timer3", &Form13::Timer3Timer);
    Timer_zidong_zhaopian_yu_moban_pipei = JobTimer(this, "Timer_zidong_zhaopian_yu_moban_pipei",
                                                    &Form13::Timer_zidong_zhaopian_yu_moban_pipeiTimer);
    Timer_shiyong_zuhemoban = JobTimer(this, "Timer_shiyong_zuhemoban", &Form13::Timer_shiyong_zuhemobanTimer);
    Timer_zhaopian_fanye = JobTimer(this, "Timer_zhaopian_fanye", &Form13::Timer_zhaopian_fanyeTimer);
    Timer_tianjia_yinyue = JobTimer(this, "Timer_tianjia_yinyue", &Form13::Timer_tianjia_yinyueTimer);
    Timer_tianjia_geci = JobTimer(this, "Timer_tianjia_geci", &Form13::Timer_tianjia_geciTimer);
}

void Form13::runJob(const QString& caption, int progressMax, Timer* job) {
    setWindowTitle(caption);
    ProgressBar1->setRange(0, progressMax);
    ProgressBar1->setValue(0);
    // Nothing of an earlier job may pass for this one's result.
    lastMatching_ = MatchingResult();
    lastSkipped_.clear();
    jobOpen_ = true;
    job->setEnabled(true);
    showModal();
    jobOpen_ = false;
    // Only the program's end closes the window before its job has run; the job must not
    // start after that.
    job->setEnabled(false);
}

void Form13::reject() {
    // The job's timer fires within half a second and every job ends by closing the window,
    // so refusing leaves no wait without an end; the program's end closes it regardless.
    if (jobOpen_ && !Program::ended()) return;
    Window::reject();
}

void Form13::advance() {
    if (ProgressBar1->value() < ProgressBar1->maximum()) ProgressBar1->setValue(ProgressBar1->value() + 1);
}
