#include "app/PageView.h"

#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

#include "app/AppState.h"
#include "app/Form13.h"
#include "app/Form18.h"
#include "app/Messages.h"
#include "templates/Form20.h"
#include "app/PhotoRendering.h"
#include "photos/PhotoTable.h"
#include "platform/TextTable.h"
#include "platform/Window.h"

namespace {
const QString kPressed = QStringLiteral("anxia");
const QString kReleased = QStringLiteral("songkai");

const TextTable* PhotoTable() {
    Window* photos = Windows::find("Form3");
    return photos ? photos->table("ListView_daoru_zhaopian") : nullptr;
}

const TextTable* SlotTable() {
    Window* manager = Windows::find("Form8");
    return manager ? manager->table("ListView_moban_shiyong_canshu") : nullptr;
}

LargePhotoModes DisplayModes() {
    LargePhotoModes modes;
    if (const Form18* settings = Windows::get<Form18>()) {
        modes.horizontalFit = settings->RadioButton_zhujiemian_heng_shizhong->isChecked();
        modes.verticalFit = settings->RadioButton_zhujiemian_shu_shizhong->isChecked();
    }
    return modes;
}
}  // namespace

PageView::PageView(Window& main, AppState& state, const Controls& controls, std::function<bool()> refuseWhileBusy)
    : QObject(&main), main_(main), state_(state), controls_(controls), refuseWhileBusy_(std::move(refuseWhileBusy)) {
    controls_.largePhoto->installEventFilter(this);
}

int PageView::photoCount() const {
    const TextTable* photos = PhotoTable();
    return photos ? photos->rowCount() : 0;
}

int PageView::page() const { return state_.Edit_fangye_hao.toInt(); }

int PageView::largeRow() const {
    bool ok = false;
    const int row = state_.Edit_hangshu.toInt(&ok);
    return ok ? row : -1;
}

QSize PageView::wantedSize() const { return {state_.Edit_Width_01.toInt(), state_.Edit_Height_01.toInt()}; }

void PageView::setWantedSize(QSize size) {
    state_.Edit_Width_01 = QString::number(size.width());
    state_.Edit_Height_01 = QString::number(size.height());
}

// ---- Pages.

void PageView::turnPage(PageCommand command) {
    const PageTurn turn = TurnPage(command, page(), photoCount());
    if (turn.refused()) return ShowMessage(turn.refusal);
    const bool backwards = command == PageCommand::First || command == PageCommand::Previous;
    QWidget* button = main_.findChild<QWidget*>(backwards ? "Button20" : "Button21");
    const bool wasEnabled = button && button->isEnabled();
    if (button) button->setEnabled(false);
    state_.Edit_fangye_hao = QString::number(turn.page);
    loadPage();
    if (button) button->setEnabled(wasEnabled);
}

void PageView::loadPage() {
    Form13* progress = Windows::get<Form13>();
    if (!progress) return;
    progress->runJob("加载照片", kPhotosPerPage, progress->Timer_zhaopian_fanye);
}

// ---- Cells.

void PageView::cellClick(int cell) {
    if (photoCount() == 0) return ShowMessage(kNoPhotosMessage);
    QLabel* label = controls_.cells.value(cell - 1);
    if (!label || label->pixmap().isNull()) return;
    if (refuseWhileBusy_()) return;
    const QSize area = controls_.photoArea->size();
    setWantedSize(DefaultLargeSize(area));
    state_.Edit_hangshu = QString::number(CellPhotoRow(page(), cell));
    ShowPhotoLarge(largeRow(), area);
}

void PageView::cellDoubleClick(int cell) {
    QLabel* label = controls_.cells.value(cell - 1);
    if (!label || label->pixmap().isNull()) return;
    cellClick(cell);
    const int row = CellPhotoRow(page(), cell);
    if (const TextTable* slotTable = SlotTable()) {
        const PhotoTemplates templates = TemplatesOfPhoto(*slotTable, row);
        if (templates != PhotoTemplates::None) openTemplatesOfPhoto(row, templates);
    }
}

// Form20 lists the templates of the photo; it opens the preview at once by itself when the
// photo is in one complete template.
void PageView::openTemplatesOfPhoto(int row, PhotoTemplates templates) {
    templateRequests_.append(templates);
    if (Form20* form20 = Windows::get<Form20>()) form20->showForPhoto(row);
}

// ---- The large photo.

void PageView::ShowPhotoLarge(int row, QSize wanted) {
    HideRendererNumber();
    QLabel* picture = controls_.largePhoto;
    picture->clear();
    const TextTable* photos = PhotoTable();
    if (!photos || row < 0 || row >= photos->rowCount()) return;
    const QSize size =
        LargePhotoSize({PhotoWidth(*photos, row), PhotoHeight(*photos, row)}, wanted, DisplayModes());
    if (size.isEmpty()) return;
    const PhotoPicture drawn = RenderPhotoPicture(PhotoPath(*photos, row), size);
    picture->setPixmap(QPixmap::fromImage(drawn.image));
    picture->setGeometry(QRect(CentredIn(controls_.photoArea->size(), size), size));
}

QString PageView::zoomRefusal() const {
    if (photoCount() == 0) return kNoPhotosMessage;
    if (largeRow() < 0) return kNoPhotoChosenMessage;
    return {};
}

void PageView::zoomIn() {
    if (const QString refusal = zoomRefusal(); !refusal.isEmpty()) return ShowMessage(refusal);
    const LargeZoom zoom = ZoomLargeIn(wantedSize(), controls_.photoArea->size());
    if (zoom.refused()) return ShowMessage(zoom.refusal);
    setWantedSize(zoom.size);
    ShowPhotoLarge(largeRow(), zoom.size);
}

void PageView::zoomOut() {
    if (const QString refusal = zoomRefusal(); !refusal.isEmpty()) return ShowMessage(refusal);
    const LargeZoom zoom = ZoomLargeOut(wantedSize(), controls_.photoArea->size());
    if (zoom.refused()) ShowMessage(zoom.refusal);
    setWantedSize(zoom.size);
    ShowPhotoLarge(largeRow(), zoom.size);
}

void PageView::zoomDefault() {
    if (const QString refusal = zoomRefusal(); !refusal.isEmpty()) return ShowMessage(refusal);
    const QSize size = DefaultLargeSize(controls_.photoArea->size());
    setWantedSize(size);
    ShowPhotoLarge(largeRow(), size);
}

// ---- Dragging the large photo.

bool PageView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != controls_.largePhoto) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) Image_zhujiemianMouseDown(mouse->position().toPoint());
        return false;
    case QEvent::MouseMove:
        Image_zhujiemianMouseMove(controls_.largePhoto->mapTo(&main_, mouse->position().toPoint()));
        return false;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton) Image_zhujiemianMouseUp();
        return false;
    default:
        return false;
    }
}

void PageView::Image_zhujiemianMouseDown(QPoint inPicture) {
    state_.Edit_tuodong_kaiguan = kPressed;
    state_.Edit_tuodong_down_x = QString::number(inPicture.x());
    state_.Edit_tuodong_down_y = QString::number(inPicture.y());
}

void PageView::Image_zhujiemianMouseMove(QPoint inWindow) {
    if (state_.Edit_tuodong_kaiguan != kPressed || largeRow() < 0) return;
    const QPoint grab(state_.Edit_tuodong_down_x.toInt(), state_.Edit_tuodong_down_y.toInt());
    const QPoint area = controls_.photoArea->mapTo(&main_, QPoint(0, 0));
    controls_.largePhoto->move(DraggedPhotoPlace(inWindow, area, grab));
}

void PageView::Image_zhujiemianMouseUp() { state_.Edit_tuodong_kaiguan = kReleased; }
