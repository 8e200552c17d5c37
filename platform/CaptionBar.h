#pragma once
// The skinned caption bar of the program's borderless windows.
//
// The pictures of the bars are cut once at start from the interface pictures (a picture
// box in three states: 0 normal, 1 hover, 2 pressed) and shared by every window:
//   - CutPiece takes a piece out of a picture box;
//   - SetSmallCaptionPieces stores the pieces of the small windows, which every
//     CaptionBar then shows.
// A small window owns one CaptionBar. It creates the window's caption controls as named
// children of the window (Image_zhujiemian_1 left piece, Image_zhujiemian_2 middle piece and
// drag handle, Image_zhujiemian_3 close picture, Image_zuixiamian bottom strip, Label_guanbi
// close label, Label_xianshi_chuangkou_biaoti title) and lays them out every time the
// window is shown. The close label shows the hover, normal and pressed close picture as the
// mouse enters, leaves and presses, and on release emits closeReleased(): the window
// connects that to whatever its Cancel does.
//
// Every window also has a background picture, Image_beijingtupian, sent behind all other
// controls and stretched over the whole window (AddBackgroundPicture, LayOutBackground).

#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPixmap>

class QWidget;

// A piece `width` x `height` of `box`, starting `offset` pixels from its left edge and at
// its top, or at its bottom when `fromBottom` (the lowest `height` rows). Parts of the
// piece outside the box are transparent.
QImage CutPiece(const QImage& box, int offset, int width, int height, bool fromBottom = false);

// The pieces of the small windows' caption bars, cut by the main window at start.
struct SmallCaptionPieces {
    QPixmap left[3];    // Image_zuo1..3: 170 x 37 from offset 0
    QPixmap middle[3];  // Image_zhong1..3: 50 x 37 from offset 390, stretched
    QPixmap right[3];   // Image_you1..3: 42 x 37 from offset 982, the close button
    QPixmap bottom;     // Image_xia: 50 x 6, the lowest rows of the normal box
    QPixmap mainBottom; // Image_zhujiemian_zuixiamian1: 50 x 6 from offset 20
};
void SetSmallCaptionPieces(const SmallCaptionPieces& pieces);
const SmallCaptionPieces& CurrentSmallCaptionPieces();

// Width of the main window's close piece; the small windows place their close picture
// this far from their right edge.
inline constexpr int kMainClosePieceWidth = 36;

// A picture label that reports the mouse: entering, leaving, a left press and a left
// release. Used for the caption bars' close and menu labels.
class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(const QString& name, QWidget* parent);

signals:
    void entered();
    void left();
    void pressed();
    void released();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A picture label that moves its window with the mouse while the left button is down,
// through the window system's own move.
class DragHandle : public QLabel {
    Q_OBJECT
public:
    explicit DragHandle(const QString& name, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class CaptionBar : public QObject {
    Q_OBJECT
public:
    // Creates the caption controls in `window`, which owns the bar.
    explicit CaptionBar(QWidget* window);

    // The small-window opening: title, pieces and close label laid out for the window's
    // current size and caption. Runs on every show; callable directly.
    void layOut();

    QLabel* title() const { return title_; }
    SkinLabel* closeLabel() const { return close_; }

signals:
    void closeReleased();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showClosePicture(int state);

    QWidget* window_;
    QLabel* left_;       // Image_zhujiemian_1
    DragHandle* middle_; // Image_zhujiemian_2
    QLabel* right_;      // Image_zhujiemian_3
    QLabel* bottom_;     // Image_zuixiamian
    SkinLabel* close_;   // Label_guanbi
    QLabel* title_;      // Label_xianshi_chuangkou_biaoti
};

// Adds the background picture Image_beijingtupian to `window` and answers it.
QLabel* AddBackgroundPicture(QWidget* window);
// The background picture of `window` (nullptr when it has none).
QLabel* BackgroundPicture(QWidget* window);
// Places the background picture at (0, 0) over the whole window, stretched, behind all
// other controls.
void LayOutBackground(QWidget* window);

class QDialog;
// Gives a small window its skin: the background picture and a caption bar. With
// `closeRejects` the close label rejects the window (closes it as Cancel does); otherwise
// the window connects closeReleased itself.
CaptionBar* SkinSmallWindow(QDialog* window, bool closeRejects = true);
