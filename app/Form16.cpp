#include "app/Form16.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/DialogParts.h"
#include "app/Program.h"
#include "platform/FolderWipe.h"
#include "platform/CaptionBar.h"
#include "platform/Events.h"
#include "templates/LibraryFolders.h"

namespace {
constexpr int kBarHeight = 10;

// The bar counts `count` steps from 0. A range of 0 ... 0 is Qt's busy indicator, a bar
// full of movement before anything happens; with nothing to count the bar is empty.
void SetStepCount(QProgressBar* bar, int count) {
    bar->setRange(0, qMax(count, 1));
    bar->setValue(0);
}
}  // namespace

Form16::Form16(QWidget* parent) : Window("Form16", QString(), parent) {
    resize(713, 232);
    caption_ = SkinSmallWindow(this, false);
    connect(caption_, &CaptionBar::closeReleased, this, &Form16::Button2Click);
    Label_xianshi_xiaoxi = MessageLabel(this);
    Label_xianshi_xiaoxi->move(20, 70);
    Button3 = DialogButton("Button3", "确定", this);
    Button4 = DialogButton("Button4", "取消", this);
    Button3->move(width() / 2 - Button3->width() - 20, 150);
    Button4->move(width() / 2 + 20, 150);
    QWidget* hidden = HiddenButtonBox(this);
    Button1 = HiddenButton("Button1", "确定", hidden);
    Button2 = HiddenButton("Button2", "取消", hidden);
    connect(Button3, &QPushButton::clicked, this, &Form16::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &Form16::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &Form16::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Form16::Button2Click);
    ProgressBar_linshiwenjian_01 = new QProgressBar(this);
    ProgressBar_linshiwenjian_01->setObjectName("ProgressBar_linshiwenjian_01");
    ProgressBar_linshiwenjian_01->setTextVisible(false);
}

void Form16::setMessage(const QString& text) { Label_xianshi_xiaoxi->setText(text); }
QString Form16::message() const { return Label_xianshi_xiaoxi->text(); }

void Form16::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    ProgressBar_linshiwenjian_01->setGeometry(0, height() - 5 - kBarHeight, width(), kBarHeight);
    SetStepCount(ProgressBar_linshiwenjian_01, 0);
    ProgressBar_linshiwenjian_01->raise();
}

void Form16::advanceProgress() {
    QProgressBar* bar = ProgressBar_linshiwenjian_01;
    // The bar counts the movie files but every deleted entry moves it; it stops at its end.
    bar->setValue(qMin(bar->value() + 1, bar->maximum()));
    processPendingEvents();
}

void Form16::Button1Click() {
    Button3->setEnabled(false);
    Button4->setEnabled(false);
    caption_->closeLabel()->setEnabled(false);
    const QString work = Folders::TemplateWork();
    SetStepCount(ProgressBar_linshiwenjian_01, CountFilesWithSuffix(work, {".rar", ".RAR"}));
    WipeFolder(work, [this] { advanceProgress(); });
    WipeFolder(Folders::PreviewWork(), [this] { advanceProgress(); });
    Program::end();
}

void Form16::Button2Click() { reject(); }
