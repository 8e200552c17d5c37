#pragma once
// PageView: the main window's photo pages and its large photo.
//
// The nine cells Image1 ... Image9 show a page of the photo table (photos/PageView.h has
// the rules); the photo area shows one photo large, which zooms and can be dragged. The
// main window's commands forward here after their busy guard:
//
//   第一页 上一页 下一页 末一页   turnPage: refused with a message at either end and
//   (Button49/20/21/50)          without photos; otherwise the page is loaded on the
//                                progress window ("加载照片", Form13's page job), the page
//                                button of that direction disabled meanwhile
//   a click on cell N            cellClick: the cell's photo large, at the area's size
//   a double-click on cell N     cellDoubleClick: the templates that use the photo (below)
//   放大 缩小 默认                zoomIn, zoomOut, zoomDefault (Button22/23/24)
//   dragging the large photo     with the left button, only while a photo is shown large
//
// ShowPhotoLarge draws through the renderer window; a photo it cannot draw shows its
// file's icon, and every render ends within the renderer's time limit.
//
// A double-click on a filled cell shows its photo large, then, when the photo is in any
// template (TemplatesOfPhoto), opens Form20 with the photo's templates through
// openTemplatesOfPhoto, which also records the answer (templateRequests).

#include <QList>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <functional>

#include "photos/PageView.h"

class QLabel;
class QWidget;
class Window;
struct AppState;

class PageView : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QWidget* photoArea;    // ScrollBox_zhujiemian
        QLabel* largePhoto;    // Image_zhujiemian
        QList<QLabel*> cells;  // Image1 ... Image9
    };
    // `refuseWhileBusy` is the main window's busy guard: it shows the busy message and
    // answers true while a preview plays.
    PageView(Window& main, AppState& state, const Controls& controls, std::function<bool()> refuseWhileBusy);

    // The page commands, after the busy guard.
    void turnPage(PageCommand command);
    // Loads page Edit_fangye_hao into the cells on the progress window.
    void loadPage();

    // Cell `cell` (1 ... 9) clicked or double-clicked.
    void cellClick(int cell);
    void cellDoubleClick(int cell);

    // The zoom commands, after the busy guard.
    void zoomIn();
    void zoomOut();
    void zoomDefault();

    // Photo row `row` drawn for the wanted size `wanted`, centred in the photo area.
    void ShowPhotoLarge(int row, QSize wanted);

    // What the double-clicks asked to open so far, in order (see above).
    const QList<PhotoTemplates>& templateRequests() const { return templateRequests_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int photoCount() const;
    int page() const;
    // The photo row shown large, or -1 ("wu").
    int largeRow() const;
    QSize wantedSize() const;
    void setWantedSize(QSize size);
    // The refusal of the zoom commands, or empty.
    QString zoomRefusal() const;
    void openTemplatesOfPhoto(int row, PhotoTemplates templates);

    void Image_zhujiemianMouseDown(QPoint inPicture);
    void Image_zhujiemianMouseMove(QPoint inWindow);
    void Image_zhujiemianMouseUp();

    Window& main_;
    AppState& state_;
    Controls controls_;
    std::function<bool()> refuseWhileBusy_;
    QList<PhotoTemplates> templateRequests_;
};
