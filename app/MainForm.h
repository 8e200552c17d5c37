#pragma once
// MainForm: the hidden photo renderer (caption "Lumora", the application title).
//
// Every small or scaled picture of a photo in the program is made here. The window is
// never shown. It holds a white box Panel_jiequtupian with the picture Image_load inside
// it (stretched to its own size, which is the wanted picture size) and the number overlay
// Label_bianhao on the yellow box Shape_bianhao over the picture.
//
// The render request is a posted event of type kRenderRequest (1027). On it the renderer
// splits the path named in OpenDialog1 into folder and file name, takes one trailing
// separator off the folder, and puts into Image_load the upright photo at Image_load's
// size (ThumbnailMaker: libjpeg-turbo DCT scaling, EXIF orientation, a good downscale), or
// the file's icon when the file cannot be decoded; so after every request Image_load
// holds a picture. Callers do not post requests themselves: RenderPhoto (RenderPhoto.h)
// is the sequence they use.
//
// The number overlay stays as the last caller left it: the template manager writes a
// photo number into it before rendering its tiles, every other caller hides it first.

#include <QEvent>

#include "platform/Thumbnails.h"
#include "platform/Window.h"

class QLabel;

class MainForm : public Window {
    Q_OBJECT
public:
    // The render request's event type.
    static constexpr QEvent::Type kRenderRequest = QEvent::Type(1027);

    explicit MainForm(QWidget* parent = nullptr);

    QWidget* panel() const { return Panel_jiequtupian; }
    QLabel* picture() const { return Image_load; }

    // The path the next request renders (the file name of OpenDialog1).
    void setFileName(const QString& path) { OpenDialog1_FileName = path; }
    QString fileName() const { return OpenDialog1_FileName; }

    // Places Image_load (the wanted picture size) in the panel and sizes the panel; the
    // number overlay follows the picture's top-left corner.
    void placePicture(const QRect& picture, QSize panel);

    // Empties Image_load: no picture until the next request has been handled.
    void emptyPicture();
    bool hasPicture() const;
    // Whether the picture Image_load holds now is the file's icon, and why the photo could
    // not be decoded then.
    bool pictureIsIcon() const { return lastWasIcon_; }
    QString pictureError() const { return lastError_; }

    // The number overlay over the picture's top-left corner.
    void showNumber(const QString& number);
    void hideNumber();
    bool numberShown() const;

    // The renderer's decoder, with its kept decodes (for benchmarks and tests).
    ThumbnailMaker& thumbnails() { return thumbnails_; }

protected:
    void customEvent(QEvent* event) override;

private:
    void renderRequested();

    QWidget* Panel_jiequtupian;   // white box; the rendered result is this box painted
    QLabel* Image_load;           // the picture inside the box, at the wanted size
    QLabel* Shape_bianhao;        // yellow box of the number overlay
    QLabel* Label_bianhao;        // the photo number written over the picture
    QString Edit_Width_load;      // the photo's stored width, as text
    QString Edit_height_load;     // the photo's stored height, as text
    QString OpenDialog1_FileName; // path of the photo to render
    ThumbnailMaker thumbnails_;
    bool lastWasIcon_ = false;
    QString lastError_;
};
