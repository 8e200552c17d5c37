// Form2's caption bar: the pieces cut from the interface pictures (Button1Click for the
// main window, Button5Click for the small windows), their layout (Button2Click) and the
// three caption labels with their normal, hover and pressed pictures.

#include "app/Form2.h"
#include "app/InterfacePictures.h"
#include "platform/CaptionBar.h"

namespace {
constexpr int kMainPieceHeight = 49;
constexpr int kMainBottomHeight = 18;
constexpr int kSmallPieceHeight = 37;
constexpr int kSmallBottomHeight = 6;

QLabel* HiddenBox(const QString& name, InterfacePicture picture, QWidget* parent) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setPixmap(QPixmap::fromImage(LoadInterfacePicture(picture)));
    box->adjustSize();
    box->hide();
    return box;
}

QLabel* Piece(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setScaledContents(true);
    return label;
}

QImage BoxImage(const QLabel* box) { return box->pixmap().toImage(); }

QPixmap Cut(const QLabel* box, int offset, int width, int height, bool fromBottom = false) {
    return QPixmap::fromImage(CutPiece(BoxImage(box), offset, width, height, fromBottom));
}
}  // namespace

void Form2::buildCaption() {
    const InterfacePicture main[3] = {InterfacePicture::MainNormal, InterfacePicture::MainHover,
                                      InterfacePicture::MainPressed};
    const InterfacePicture small[3] = {InterfacePicture::SmallNormal, InterfacePicture::SmallHover,
                                       InterfacePicture::SmallPressed};
    for (int state = 0; state < 3; ++state) {
        Panel_jiemian[state] = HiddenBox(QString("Panel_jiemian_0%1").arg(state + 1), main[state], this);
        Panel_xiao_jiemian[state] =
            HiddenBox(QString("Panel_xiao_jiemian_0%1").arg(state + 1), small[state], this);
    }
    Image_zhujiemian_1 = Piece("Image_zhujiemian_1", this);
    auto* drag = new DragHandle("Image_zhujiemian_2", this);
    drag->setToolTip("按住左键移动软件位置");
    Image_zhujiemian_2 = drag;
    Image_zhujiemian_3 = Piece("Image_zhujiemian_3", this);
    Image_zhujiemian_4 = Piece("Image_zhujiemian_4", this);
    Image_zhujiemian_5 = Piece("Image_zhujiemian_5", this);
    Image_zhujiemian_6 = Piece("Image_zhujiemian_6", this);
    Image_zhujiemian_zuixiamian1_load = Piece("Image_zhujiemian_zuixiamian1_load", this);
    Label_guanbi = new SkinLabel("Label_guanbi", this);
    Label_quanping = new SkinLabel("Label_quanping", this);
    Label_huanyuan = new SkinLabel("Label_huanyuan", this);
    // What a release does (exit, function menu, web page) is wired with the other entry
    // points (Form2Dispatch.cpp); here the labels only show their three pictures.
    connectCaptionLabel(Label_guanbi, Image_zhujiemian_3, closePieces_);
    connectCaptionLabel(Label_quanping, Image_zhujiemian_4, menuPieces_);
    connectCaptionLabel(Label_huanyuan, Image_zhujiemian_5, webPieces_);
}

void Form2::connectCaptionLabel(SkinLabel* label, QLabel* piece, const QPixmap* pieces) {
    connect(label, &SkinLabel::entered, this, [piece, pieces] { piece->setPixmap(pieces[1]); });
    connect(label, &SkinLabel::left, this, [piece, pieces] { piece->setPixmap(pieces[0]); });
    connect(label, &SkinLabel::pressed, this, [piece, pieces] { piece->setPixmap(pieces[2]); });
    connect(label, &SkinLabel::released, this, [piece, pieces] { piece->setPixmap(pieces[0]); });
}

void Form2::Button1Click() {
    const QLabel* normal = Panel_jiemian[0];
    Image_zhujiemian_1->setPixmap(Cut(normal, 0, 330, kMainPieceHeight));
    Image_zhujiemian_2->setPixmap(Cut(normal, 390, 50, kMainPieceHeight));
    Image_zhujiemian_6->setPixmap(Cut(normal, 891, 34, kMainPieceHeight));
    for (int state = 0; state < 3; ++state) {
        webPieces_[state] = Cut(Panel_jiemian[state], 927, 29, kMainPieceHeight);
        menuPieces_[state] = Cut(Panel_jiemian[state], 958, 28, kMainPieceHeight);
        closePieces_[state] = Cut(Panel_jiemian[state], 988, 36, kMainPieceHeight);
    }
    Image_zhujiemian_5->setPixmap(webPieces_[0]);
    Image_zhujiemian_4->setPixmap(menuPieces_[0]);
    Image_zhujiemian_3->setPixmap(closePieces_[0]);
    Image_zhujiemian_zuixiamian1_load->setPixmap(Cut(normal, 20, 50, kMainBottomHeight, true));
}

void Form2::Button2Click() {
    const int w = width();
    auto place = [](QLabel* piece, int left) {
        piece->setGeometry(left, 0, piece->pixmap().width(), piece->pixmap().height());
        piece->raise();
    };
    place(Image_zhujiemian_1, 0);
    place(Image_zhujiemian_3, w - Image_zhujiemian_3->pixmap().width());
    place(Image_zhujiemian_4, Image_zhujiemian_3->x() - Image_zhujiemian_4->pixmap().width());
    place(Image_zhujiemian_5, Image_zhujiemian_4->x() - Image_zhujiemian_5->pixmap().width());
    place(Image_zhujiemian_6, Image_zhujiemian_5->x() - Image_zhujiemian_6->pixmap().width());
    Image_zhujiemian_2->setGeometry(Image_zhujiemian_1->width(), 0,
                                    Image_zhujiemian_6->x() - Image_zhujiemian_1->width(),
                                    Image_zhujiemian_1->height());
    Image_zhujiemian_2->raise();
    Image_zhujiemian_zuixiamian1_load->setGeometry(0, height() - kMainBottomHeight, w, kMainBottomHeight);
    Image_zhujiemian_zuixiamian1_load->raise();
    const int labelHeight = Image_zhujiemian_3->height();
    Label_guanbi->setGeometry(w - 35, 0, 32, labelHeight);
    Label_quanping->setGeometry(Label_guanbi->x() - 28, 0, 28, labelHeight);
    Label_huanyuan->setGeometry(Label_quanping->x() - 30, 0, 30, labelHeight);
    for (SkinLabel* label : {Label_guanbi, Label_quanping, Label_huanyuan}) label->raise();
}

void Form2::Button5Click() {
    SmallCaptionPieces pieces;
    for (int state = 0; state < 3; ++state) {
        const QLabel* box = Panel_xiao_jiemian[state];
        pieces.left[state] = Cut(box, 0, 170, kSmallPieceHeight);
        pieces.middle[state] = Cut(box, 390, 50, kSmallPieceHeight);
        pieces.right[state] = Cut(box, 982, 42, kSmallPieceHeight);
    }
    pieces.bottom = Cut(Panel_xiao_jiemian[0], 0, 50, kSmallBottomHeight, true);
    pieces.mainBottom = Cut(Panel_xiao_jiemian[0], 20, 50, kSmallBottomHeight, true);
    SetSmallCaptionPieces(pieces);
}
