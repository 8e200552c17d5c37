#include "app/MainForm.h"

#include <QLabel>

#include "app/RenderPhoto.h"
#include "platform/CaptionBar.h"

namespace {
constexpr int kNumberBoxSize = 24;
}  // namespace

MainForm::MainForm(QWidget* parent) : Window("MainForm", "Lumora", parent) {
    resize(800, 600);
    AddBackgroundPicture(this);
    bindField("Edit_Width_load", &Edit_Width_load);
    bindField("Edit_height_load", &Edit_height_load);
    bindField("OpenDialog1.FileName", &OpenDialog1_FileName);

    Panel_jiequtupian = new QWidget(this);
    Panel_jiequtupian->setObjectName("Panel_jiequtupian");
    Panel_jiequtupian->setAutoFillBackground(true);
    QPalette white = Panel_jiequtupian->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel_jiequtupian->setPalette(white);
    Panel_jiequtupian->setGeometry(0, 0, 300, 225);

    Image_load = new QLabel(Panel_jiequtupian);
    Image_load->setObjectName("Image_load");
    Image_load->setScaledContents(true);
    Image_load->setGeometry(0, 0, 300, 225);

    Shape_bianhao = new QLabel(Panel_jiequtupian);
    Shape_bianhao->setObjectName("Shape_bianhao");
    Shape_bianhao->setStyleSheet("background: #ffff00;");
    Shape_bianhao->setGeometry(0, 0, kNumberBoxSize, kNumberBoxSize);
    Label_bianhao = new QLabel(Shape_bianhao);
    Label_bianhao->setObjectName("Label_bianhao");
    Label_bianhao->setAlignment(Qt::AlignCenter);
    Label_bianhao->setStyleSheet("color: black; font-size: 12px; font-weight: bold;");
    Label_bianhao->setGeometry(0, 0, kNumberBoxSize, kNumberBoxSize);
    hideNumber();
}

void MainForm::placePicture(const QRect& picture, QSize panel) {
    Image_load->setGeometry(picture);
    Panel_jiequtupian->resize(panel);
    Shape_bianhao->move(picture.topLeft());
}

void MainForm::emptyPicture() {
    Image_load->clear();
    lastWasIcon_ = false;
    lastError_.clear();
}

bool MainForm::hasPicture() const { return !Image_load->pixmap().isNull(); }

void MainForm::showNumber(const QString& number) {
    Label_bianhao->setText(number);
    Shape_bianhao->move(Image_load->pos());
    Shape_bianhao->show();
    Shape_bianhao->raise();
}

void MainForm::hideNumber() { Shape_bianhao->hide(); }

bool MainForm::numberShown() const { return !Shape_bianhao->isHidden(); }

void MainForm::customEvent(QEvent* event) {
    if (event->type() != kRenderRequest) return Window::customEvent(event);
    renderRequested();
}

void MainForm::renderRequested() {
    const QString path = JoinPhotoPath(SplitRendererPath(OpenDialog1_FileName));
    QSize size = Image_load->size();
    // A picture always arrives, so a caller's wait ends even for a box of no size.
    if (size.isEmpty()) size = QSize(1, 1);
    Thumbnail made = thumbnails_.make(path, size);
    lastWasIcon_ = made.isIcon;
    lastError_ = made.error;
    Image_load->setPixmap(QPixmap::fromImage(made.image));
}
