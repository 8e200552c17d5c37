#include "app/Form1.h"

#include <QLabel>
#include <QProgressBar>

#include "app/Form2.h"
#include "app/InterfacePictures.h"
#include "app/Program.h"
#include "platform/InstanceLock.h"
#include "platform/CaptionBar.h"
#include "platform/Timer.h"

Form1::Form1(QWidget* parent) : Window("Form1", "Lumora", parent) {
    AddBackgroundPicture(this);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(QPixmap::fromImage(LoadInterfacePicture(InterfacePicture::Loading)));
    Image1->adjustSize();
    ProgressBar_jiazai = new QProgressBar(this);
    ProgressBar_jiazai->setObjectName("ProgressBar_jiazai");
    ProgressBar_jiazai->setTextVisible(false);
    ProgressBar_jiazai->setFixedHeight(12);
    ProgressBar_jiazai->setRange(0, 100);
    ProgressBar_jiazai->setValue(0);
    Timer1 = new Timer(this, 1000, [this] { Timer1Timer(); });
}

Form1::~Form1() = default;

void Form1::FormShow() {
    lock_ = std::make_unique<InstanceLock>("Lumora", Program::lockFolder());
    if (!lock_->acquired()) {
        lock_.reset();
        Program::end();
        return;
    }
    resize(Image1->size());
    Image1->move(0, 0);
    ProgressBar_jiazai->setGeometry(0, Image1->height() - ProgressBar_jiazai->height(),
                                    Image1->width(), ProgressBar_jiazai->height());
    Timer1->setEnabled(true);
}

void Form1::Timer1Timer() {
    Timer1->setEnabled(false);
    if (Program::ended()) return;
    Windows::get<Form2>()->timerJiazai()->setEnabled(true);
}

// QDialog turns Esc into reject(), which would hide the window while the loading chain goes
// on behind it.
void Form1::reject() {
    if (Program::ended()) Window::reject();
}
