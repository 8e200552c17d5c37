#include "platform/CaptionBar.h"

#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QDialog>
#include <QWidget>
#include <QWindow>

QImage CutPiece(const QImage& box, int offset, int width, int height, bool fromBottom) {
    QImage piece(width, height, QImage::Format_ARGB32_Premultiplied);
    piece.fill(Qt::transparent);
    QPainter painter(&piece);
    const int top = fromBottom ? box.height() - height : 0;
    painter.drawImage(QPoint(-offset, -top), box);
    return piece;
}

namespace {
SmallCaptionPieces& smallPieces() {
    static SmallCaptionPieces pieces;
    return pieces;
}
}  // namespace

void SetSmallCaptionPieces(const SmallCaptionPieces& pieces) { smallPieces() = pieces; }
const SmallCaptionPieces& CurrentSmallCaptionPieces() { return smallPieces(); }

SkinLabel::SkinLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SkinLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit entered();
}
void SkinLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit left();
}
void SkinLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed();
}
void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit released();
}

DragHandle::DragHandle(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setScaledContents(true);
}

void DragHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    if (QWindow* handle = window()->windowHandle()) handle->startSystemMove();
}

namespace {
QLabel* PictureLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setScaledContents(true);
    return label;
}
}  // namespace

CaptionBar::CaptionBar(QWidget* window) : QObject(window), window_(window) {
    setObjectName("CaptionBar");
    left_ = PictureLabel("Image_zhujiemian_1", window);
    middle_ = new DragHandle("Image_zhujiemian_2", window);
    right_ = PictureLabel("Image_zhujiemian_3", window);
    bottom_ = PictureLabel("Image_zuixiamian", window);
    title_ = new QLabel(window);
    title_->setObjectName("Label_xianshi_chuangkou_biaoti");
    title_->setAttribute(Qt::WA_TranslucentBackground);
    title_->setStyleSheet("color: white; font-size: 14px;");
    close_ = new SkinLabel("Label_guanbi", window);
    connect(close_, &SkinLabel::entered, this, [this] { showClosePicture(1); });
    connect(close_, &SkinLabel::left, this, [this] { showClosePicture(0); });
    connect(close_, &SkinLabel::pressed, this, [this] { showClosePicture(2); });
    connect(close_, &SkinLabel::released, this, [this] {
        showClosePicture(1);
        emit closeReleased();
    });
    window->installEventFilter(this);
}

void CaptionBar::showClosePicture(int state) {
    right_->setPixmap(CurrentSmallCaptionPieces().right[state]);
}

void CaptionBar::layOut() {
    const SmallCaptionPieces& pieces = CurrentSmallCaptionPieces();
    const int width = window_->width();
    title_->setText(window_->windowTitle());
    title_->move(10, 10);
    title_->adjustSize();
    left_->setPixmap(pieces.left[0]);
    left_->setGeometry(0, 0, pieces.left[0].width(), pieces.left[0].height());
    right_->setPixmap(pieces.right[0]);
    right_->setGeometry(width - kMainClosePieceWidth, 0, pieces.right[0].width(),
                        pieces.right[0].height());
    middle_->setPixmap(pieces.middle[0]);
    middle_->setGeometry(left_->width(), 0, right_->x() - left_->width(), left_->height());
    middle_->setToolTip("按住左键移动软件位置");
    const int bottomHeight = pieces.mainBottom.height();
    bottom_->setPixmap(pieces.bottom);
    bottom_->setGeometry(0, window_->height() - bottomHeight, width, bottomHeight);
    close_->setGeometry(right_->geometry());
    for (QWidget* w : {static_cast<QWidget*>(left_), static_cast<QWidget*>(middle_),
                       static_cast<QWidget*>(right_), static_cast<QWidget*>(bottom_)})
        w->raise();
    title_->raise();
    close_->raise();
}

bool CaptionBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Show) layOut();
    return QObject::eventFilter(watched, event);
}

QLabel* AddBackgroundPicture(QWidget* window) {
    auto* label = PictureLabel("Image_beijingtupian", window);
    label->lower();
    return label;
}

QLabel* BackgroundPicture(QWidget* window) {
    return window->findChild<QLabel*>("Image_beijingtupian", Qt::FindDirectChildrenOnly);
}

void LayOutBackground(QWidget* window) {
    QLabel* picture = BackgroundPicture(window);
    if (!picture) return;
    picture->setScaledContents(true);
    picture->setGeometry(0, 0, window->width(), window->height());
    picture->lower();
}

CaptionBar* SkinSmallWindow(QDialog* window, bool closeRejects) {
    AddBackgroundPicture(window);
    auto* bar = new CaptionBar(window);
    if (closeRejects) QObject::connect(bar, &CaptionBar::closeReleased, window, &QDialog::reject);
    return bar;
}
