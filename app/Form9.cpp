#include "app/Form9.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "app/AppState.h"
#include "app/DetailPanel.h"
#include "app/DialogParts.h"
#include "app/Messages.h"
#include "app/PhotoRendering.h"
#include "photos/PageView.h"
#include "photos/SlotTable.h"
#include "platform/CaptionBar.h"
#include "platform/TextTable.h"
#include "platform/TextTableModel.h"
#include "templates/PreviewFolders.h"

namespace {
// Columns of the photo list (CropPhotoListCaptions).
namespace ListColumn {
enum : int { kNumber = 0, kName = 1, kUses = 2, kPath = 3, kSlotRow = 4, kPhotoRow = 5 };
}

const QString kGuardOff = QStringLiteral("bushiyong");
const QString kGuardOn = QStringLiteral("shiyong");
const QString kPressed = QStringLiteral("anxia");
const QString kReleased = QStringLiteral("songkai");

constexpr int kMargin = 12;
constexpr int kTop = 50;
constexpr int kListWidth = 290;
const QPoint kOuterPlace(kMargin + kListWidth + 14, kTop);

// The slot view's background: cross-hatched, so that where the photo does not cover the
// slot is plain to see.
class Hatching : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xf4, 0xf6, 0xf8));
        painter.fillRect(rect(), QBrush(QColor(0x8a, 0x9b, 0xab), Qt::DiagCrossPattern));
    }
};

// Disables some buttons for as long as it lives and gives each its earlier state back, so
// that a command whose render processes events cannot be started a second time meanwhile.
class ButtonsOff {
public:
    explicit ButtonsOff(std::initializer_list<QWidget*> widgets) {
        for (QWidget* widget : widgets) {
            states_.append({widget, widget->isEnabled()});
            widget->setEnabled(false);
        }
    }
    ~ButtonsOff() {
        for (const auto& [widget, enabled] : states_) widget->setEnabled(enabled);
    }
    ButtonsOff(const ButtonsOff&) = delete;
    ButtonsOff& operator=(const ButtonsOff&) = delete;

private:
    QList<std::pair<QWidget*, bool>> states_;
};

const TextTable* PhotoTable() {
    Window* photos = Windows::find("Form3");
    return photos ? photos->table("ListView_daoru_zhaopian") : nullptr;
}

TextTable* SlotTable() {
    Window* manager = Windows::find("Form8");
    return manager ? manager->table("ListView_moban_shiyong_canshu") : nullptr;
}
}  // namespace

Form9::Form9(QWidget* parent) : Window("Form9", "照片剪裁", parent) {
    resize(kOuterPlace.x() + kCropOuterArea.width() + kMargin, kTop + kCropOuterArea.height() + 64);
    SkinSmallWindow(this);

    ListView_zhaopian_wenjian = addTable("ListView_zhaopian_wenjian", CropPhotoListCaptions());
    for (auto [name, field] :
         {std::pair{"Edit_xuanzhonghang", &Edit_xuanzhonghang},
          {"Edit_danxuananziu_kaiguan", &Edit_danxuananziu_kaiguan},
          {"Edit_Width_01", &Edit_Width_01}, {"Edit_Height_01", &Edit_Height_01},
          {"Edit_tuodong_kaiguan", &Edit_tuodong_kaiguan}, {"Edit_tuodong_down_x", &Edit_tuodong_down_x},
          {"Edit_tuodong_down_y", &Edit_tuodong_down_y}, {"Edit_xuhao", &Edit_xuhao},
          {"Edit_mingcheng", &Edit_mingcheng}, {"Edit_cishu", &Edit_cishu}, {"Edit_weizhi", &Edit_weizhi}})
        bindField(name, field);
    Edit_xuanzhonghang = StateWord::kNone;
    Edit_danxuananziu_kaiguan = kGuardOff;
    Edit_tuodong_kaiguan = kReleased;

    view_ = new QTableView(this);
    view_->setObjectName("ListView_zhaopian_wenjian");
    view_->setModel(new TextTableModel(ListView_zhaopian_wenjian, view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(22);
    view_->setWordWrap(false);
    view_->setTextElideMode(Qt::ElideMiddle);
    view_->setGeometry(kMargin, kTop, kListWidth, 300);
    view_->setColumnWidth(ListColumn::kNumber, 40);
    view_->setColumnWidth(ListColumn::kName, 110);
    view_->setColumnWidth(ListColumn::kUses, 64);
    view_->viewport()->installEventFilter(this);
    connect(view_, &QTableView::clicked, this, &Form9::ListView_zhaopian_wenjianClick);

    details_ = new DetailPanel(this,
                               {{"Edit_xuhao", "序号"}, {"Edit_mingcheng", "照片名称"}, {"Edit_cishu", "使用次数"},
                                {"Edit_weizhi", "照片位置"}},
                               kListWidth);
    details_->move(kMargin, view_->geometry().bottom() + 14);

    ScrollBox_jiancai_0 = new QWidget(this);
    ScrollBox_jiancai_0->setObjectName("ScrollBox_jiancai_0");
    ScrollBox_jiancai_0->setGeometry(QRect(kOuterPlace, kCropOuterArea));
    ScrollBox_jiancai_0->setAutoFillBackground(true);
    ScrollBox_jiancai_0->setStyleSheet("#ScrollBox_jiancai_0 { background: #1b2a38; }");
    ScrollBox_jiequtupian = new QWidget(ScrollBox_jiancai_0);
    ScrollBox_jiequtupian->setObjectName("ScrollBox_jiequtupian");
    ScrollBox_jiequtupian->setGeometry(QRect(QPoint(0, 0), kCropOuterArea));
    Shape_jiancai = new Hatching(ScrollBox_jiequtupian);
    Shape_jiancai->setObjectName("Shape_jiancai");
    Shape_jiancai->setGeometry(ScrollBox_jiequtupian->rect());
    Image_load = new QLabel(ScrollBox_jiequtupian);
    Image_load->setObjectName("Image_load");
    Image_load->setCursor(Qt::SizeAllCursor);
    Image_load->installEventFilter(this);

    const int bottom = ScrollBox_jiancai_0->geometry().bottom() + 14;
    RadioButton_quanping = new QRadioButton("照片全屏显示", this);
    RadioButton_quanping->setObjectName("RadioButton_quanping");
    RadioButton_quanping->setGeometry(kOuterPlace.x(), bottom + 4, 110, 22);
    RadioButton_shizhong = new QRadioButton("照片适中显示", this);
    RadioButton_shizhong->setObjectName("RadioButton_shizhong");
    RadioButton_shizhong->setGeometry(kOuterPlace.x() + 116, bottom + 4, 110, 22);
    connect(RadioButton_quanping, &QRadioButton::clicked, this, &Form9::RadioButton_quanpingClick);
    connect(RadioButton_shizhong, &QRadioButton::clicked, this, &Form9::RadioButton_shizhongClick);

    const QList<std::tuple<QPushButton**, const char*, const char*, void (Form9::*)()>> buttons = {
        {&Button_fangda, "Button_fangda", "放大相片", &Form9::Button_fangdaClick},
        {&Button_suoxiao, "Button_suoxiao", "缩小相片", &Form9::Button_suoxiaoClick},
        {&Button_moren, "Button_moren", "默认大小", &Form9::Button_morenClick},
        {&Button_baocun, "Button_baocun", "保存剪裁", &Form9::Button_baocunClick},
        {&Button_quxiao, "Button_quxiao", "取消", &Form9::Button_quxiaoClick},
    };
    int left = width() - kMargin - int(buttons.size()) * 102 + 6;
    for (const auto& [member, name, text, handler] : buttons) {
        *member = DialogButton(name, text, this);
        (*member)->move(left, bottom);
        connect(*member, &QPushButton::clicked, this, handler);
        left += 102;
    }
    prepareOpening();
}

// ---- Opening and the list.

void Form9::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    prepareOpening();
}

void Form9::prepareOpening() {
    Edit_xuanzhonghang = StateWord::kNone;
    Edit_danxuananziu_kaiguan = kGuardOff;
    Edit_tuodong_kaiguan = kReleased;
    RadioButton_quanping->setChecked(true);
    RadioButton_quanping->hide();
    RadioButton_shizhong->hide();
    view_->clearSelection();
    for (QString* field : {&Edit_xuhao, &Edit_mingcheng, &Edit_cishu, &Edit_weizhi}) field->clear();
    details_->clear();
    ScrollBox_jiequtupian->setGeometry(QRect(QPoint(0, 0), ScrollBox_jiancai_0->size()));
    Shape_jiancai->setGeometry(ScrollBox_jiequtupian->rect());
    clearPhoto();
    setEditable(true);
}

void Form9::selectRow(int row) {
    view_->clearSelection();
    if (row >= 0 && row < ListView_zhaopian_wenjian->rowCount()) view_->selectRow(row);
}

QRect Form9::slotView() const { return ScrollBox_jiequtupian->geometry(); }
QRect Form9::photoPlace() const { return Image_load->geometry(); }
CropMode Form9::mode() const { return RadioButton_shizhong->isChecked() ? CropMode::Fit : CropMode::Full; }

void Form9::ListView_zhaopian_wenjianClick() {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.first().row();
    if (row < 0 || row >= ListView_zhaopian_wenjian->rowCount()) {
        Edit_xuanzhonghang = StateWord::kNone;
        for (QString* field : {&Edit_xuhao, &Edit_mingcheng, &Edit_cishu, &Edit_weizhi}) field->clear();
        details_->clear();
        clearPhoto();
        ShowMessage(kCropNoneChosen);
        return;
    }
    Edit_xuanzhonghang = QString::number(row);
    fillDetails(row);
    showChosen();
}

void Form9::fillDetails(int listRow) {
    const TextTable& list = *ListView_zhaopian_wenjian;
    Edit_xuhao = list.cell(listRow, ListColumn::kNumber);
    Edit_mingcheng = list.cell(listRow, ListColumn::kName);
    Edit_cishu = list.cell(listRow, ListColumn::kUses);
    Edit_weizhi = list.cell(listRow, ListColumn::kPath);
    details_->setValues({Edit_xuhao, Edit_mingcheng, Edit_cishu, Edit_weizhi});
}

QString Form9::refusal() const {
    const TextTable* photos = PhotoTable();
    if (!photos || photos->rowCount() == 0) return kCropNoPhotos;
    if (ListView_zhaopian_wenjian->rowCount() == 0) return kCropNoPlacedPhotos;
    if (chosenSlot() < 0) return kCropNoneChosen;
    return {};
}

int Form9::chosenSlot() const {
    bool ok = false;
    const int row = Edit_xuanzhonghang.toInt(&ok);
    if (!ok || row < 0 || row >= ListView_zhaopian_wenjian->rowCount()) return -1;
    const int slot = ListView_zhaopian_wenjian->cell(row, ListColumn::kSlotRow).toInt(&ok);
    const TextTable* slotTable = SlotTable();
    if (!ok || !slotTable || slot < 0 || slot >= slotTable->rowCount()) return -1;
    return slot;
}

CropSlot Form9::chosenCropSlot() const {
    const int slot = chosenSlot();
    const TextTable* photos = PhotoTable();
    if (slot < 0 || !photos) return {};
    return ReadCropSlot(*SlotTable(), slot, *photos);
}

// ---- Showing the photo.

void Form9::clearPhoto() {
    Image_load->clear();
    Image_load->setGeometry(0, 0, 0, 0);
}

void Form9::placeView(QSize view) {
    const QSize outer = ScrollBox_jiancai_0->size();
    ScrollBox_jiequtupian->setGeometry(QRect(CentredIn(outer, view), view));
    Shape_jiancai->setGeometry(ScrollBox_jiequtupian->rect());
}

void Form9::showPhoto(const QRect& photo) {
    Edit_Width_01 = QString::number(photo.width());
    Edit_Height_01 = QString::number(photo.height());
    Image_load->clear();
    Image_load->setGeometry(photo);
    if (photo.isEmpty()) return;
    // The render lets events run: the list keeps still until the picture has arrived.
    ButtonsOff still({view_});
    HideRendererNumber();
    const QString path = ListView_zhaopian_wenjian->cell(Edit_xuanzhonghang.toInt(), ListColumn::kPath);
    const PhotoPicture picture = RenderPhotoPicture(path, photo.size());
    Image_load->setPixmap(QPixmap::fromImage(picture.image));
}

void Form9::showStored(const CropSlot& slot, CropMode mode) {
    const CropShowing showing = ShowStoredCrop(slot, mode, ScrollBox_jiequtupian->size());
    placeView(showing.view);
    showPhoto(showing.photo);
}

void Form9::showChosen() {
    const CropSlot slot = chosenCropSlot();
    placeView(CropViewSize(slot, CropFrameSize(slot, CropFrameStep::Selection)));
    const CropModeRules rules = CropRulesOnSelection(slot);
    Edit_danxuananziu_kaiguan = kGuardOff;
    setMode(rules.mode);
    RadioButton_quanping->setVisible(rules.radiosShown);
    RadioButton_shizhong->setVisible(rules.radiosShown);
    Edit_danxuananziu_kaiguan = kGuardOn;
    setEditable(rules.editable);
    showStored(slot, rules.mode);
}

void Form9::setMode(CropMode mode) {
    (mode == CropMode::Fit ? RadioButton_shizhong : RadioButton_quanping)->setChecked(true);
}

void Form9::setEditable(bool editable) {
    for (QWidget* control : std::initializer_list<QWidget*>{Button_fangda, Button_suoxiao, Button_moren, Image_load})
        control->setEnabled(editable);
}

// The buttons that were switched off for a command take back what the mode allows, which
// the command may have changed (a refused zoom shows the slot again in its stored mode).
void Form9::applyEditable() { setEditable(CropEditable(chosenCropSlot().category, mode())); }

// ---- Modes.

void Form9::RadioButton_quanpingClick() { changeMode(CropMode::Full); }
void Form9::RadioButton_shizhongClick() { changeMode(CropMode::Fit); }

void Form9::changeMode(CropMode mode) {
    if (Edit_danxuananziu_kaiguan == kGuardOff || chosenSlot() < 0) return;
    const CropSlot slot = chosenCropSlot();
    if (slot.category != kHorizontalCategory) return;  // the only kind that shows the buttons
    setMode(mode);
    setEditable(CropEditable(slot.category, mode));
    fillDetails(Edit_xuanzhonghang.toInt());
    placeView(CropViewSize(slot, CropFrameSize(slot, CropFrameStep::ModeChange)));
    showStored(slot, mode);
}

// ---- Zoom, default size, save, close.

void Form9::Button_fangdaClick() { zoom(true); }
void Form9::Button_suoxiaoClick() { zoom(false); }

void Form9::zoom(bool in) {
    QPushButton* self = in ? Button_fangda : Button_suoxiao;
    if (!self->isEnabled()) return;
    if (const QString refused = refusal(); !refused.isEmpty()) return ShowMessage(refused);
    {
        ButtonsOff others({in ? Button_suoxiao : Button_fangda, Button_moren, Button_baocun, Button_quxiao});
        const CropSlot slot = chosenCropSlot();
        const QSize view = ScrollBox_jiequtupian->size();
        const QSize photo(Edit_Width_01.toInt(), Edit_Height_01.toInt());
        const CropZoom zoomed = in ? ZoomCropIn(slot, view, photo) : ZoomCropOut(slot, view, photo);
        if (zoomed.refused()) {
            ShowMessage(zoomed.refusal);
            showChosen();
        } else {
            placeView(zoomed.showing.view);
            showPhoto(zoomed.showing.photo);
        }
    }
    applyEditable();
}

void Form9::Button_morenClick() {
    if (!Button_moren->isEnabled()) return;
    if (const QString refused = refusal(); !refused.isEmpty()) return ShowMessage(refused);
    {
        ButtonsOff others({Button_fangda, Button_suoxiao, Button_baocun, Button_quxiao});
        fillDetails(Edit_xuanzhonghang.toInt());
        showChosen();
    }
    applyEditable();
}

void Form9::Button_baocunClick() {
    if (!Button_baocun->isEnabled()) return;
    if (const QString refused = refusal(); !refused.isEmpty()) return ShowMessage(refused);
    ButtonsOff others({Button_fangda, Button_suoxiao, Button_moren, Button_quxiao});
    const int slotRow = chosenSlot();
    const CropSlot slot = chosenCropSlot();
    WriteCropValues(*SlotTable(), slotRow, SavedCrop(slot, mode(), ScrollBox_jiequtupian->size(), photoPlace()));
    ShowMessage(kCropSaved);
}

void Form9::Button_quxiaoClick() {
    if (!Button_quxiao->isEnabled()) return;
    reject();
}

// ---- Dragging the photo, and a click beside the list's rows.

bool Form9::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!view_->indexAt(mouse->position().toPoint()).isValid()) {
            view_->clearSelection();
            ListView_zhaopian_wenjianClick();
        }
    }
    if (watched == Image_load) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton) photoPressed(mouse->position().toPoint());
            return true;
        case QEvent::MouseMove:
            photoMoved(Image_load->mapTo(this, mouse->position().toPoint()));
            return true;
        case QEvent::MouseButtonRelease:
            if (mouse->button() == Qt::LeftButton) photoReleased();
            return true;
        default:
            break;
        }
    }
    return Window::eventFilter(watched, event);
}

void Form9::photoPressed(QPoint inPhoto) {
    if (!Image_load->isEnabled()) return;
    Edit_tuodong_kaiguan = kPressed;
    Edit_tuodong_down_x = QString::number(inPhoto.x());
    Edit_tuodong_down_y = QString::number(inPhoto.y());
}

void Form9::photoMoved(QPoint inWindow) {
    if (Edit_tuodong_kaiguan != kPressed || Image_load->pixmap().isNull()) return;
    const QPoint grab(Edit_tuodong_down_x.toInt(), Edit_tuodong_down_y.toInt());
    const QPoint view = ScrollBox_jiancai_0->pos() + ScrollBox_jiequtupian->pos();
    Image_load->move(DraggedPhotoPlace(inWindow, view, grab));
}

void Form9::photoReleased() {
    if (Edit_tuodong_kaiguan != kPressed) return;
    Edit_tuodong_kaiguan = kReleased;
    Image_load->setGeometry(SnapCropBack(Image_load->geometry(), ScrollBox_jiequtupian->size()));
}
