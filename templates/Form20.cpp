#include "templates/Form20.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "platform/CaptionBar.h"
#include "platform/TextTable.h"
#include "platform/TextTableModel.h"
#include "platform/Timer.h"
#include "templates/Container.h"
#include "templates/Form19.h"
#include "templates/Form19Pictures.h"
#include "templates/LibraryFolders.h"
#include "templates/TemplateManager.h"
#include "templates/TemplateManagerServices.h"

namespace {
// The main window's word for "open the template manager from your timer".
const QString kOpenTemplateManager = QStringLiteral("dakai_mobanguanli_anniu");

// The list's column of the slot-table row.
constexpr int kSlotRowColumn = 4;

QStringList UsedTemplateCells(int usedRow) {
    Window* manager = Windows::find("Form8");
    const TextTable* used = manager ? manager->table("ListView_moban_shiyong") : nullptr;
    QStringList cells;
    for (int column = 0; column < 7; ++column) cells.append(used ? used->cell(usedRow, column) : QString());
    return cells;
}
}  // namespace

Form20::Form20(QWidget* parent) : Window("Form20", "预览此张照片所使用的模板效果", parent) {
    resize(640, 380);
    SkinSmallWindow(this);
    ListView_zhaopian_yu_pipei_moban =
        addTable("ListView_zhaopian_yu_pipei_moban", {"序号", "照片名称", "使用模板", "照片位置", "标注"});

    Label_zhaopian_shiyong_shuliang = new QLabel(this);
    Label_zhaopian_shiyong_shuliang->setObjectName("Label_zhaopian_shiyong_shuliang");
    Label_zhaopian_shiyong_shuliang->setGeometry(16, 47, 608, 24);

    view_ = new QTableView(this);
    view_->setObjectName("ListView_zhaopian_yu_pipei_moban");
    view_->setModel(new TextTableModel(ListView_zhaopian_yu_pipei_moban, view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setGeometry(16, 76, 608, 240);
    connect(view_, &QTableView::doubleClicked, this, &Form20::Button2Click);

    auto* ok = new QPushButton("确定", this);
    ok->setObjectName("Button2");
    ok->setGeometry(444, 330, 84, 28);
    connect(ok, &QPushButton::clicked, this, &Form20::Button2Click);
    auto* cancel = new QPushButton("取消", this);
    cancel->setObjectName("Button3");
    cancel->setGeometry(540, 330, 84, 28);
    connect(cancel, &QPushButton::clicked, this, &Form20::Button3Click);

    Timer_dakai_chuangkou = new Timer(this, 1, [this] { Timer_dakai_chuangkouTimer(); });
    Timer_dakai_chuangkou->setObjectName("Timer_dakai_chuangkou");
    Timer1 = new Timer(this, 1, [this] { Timer1Timer(); });
    Timer1->setObjectName("Timer1");
}

int Form20::currentPhotoRow() const {
    Window* main = Windows::find("Form2");
    bool ok = false;
    const int row = main ? main->field("Edit_hangshu").toInt(&ok) : -1;
    return ok ? row : -1;
}

void Form20::showForPhoto(int photoRow) {
    if (Window* main = Windows::find("Form2")) main->setField("Edit_hangshu", QString::number(photoRow));
    const ManagerAlbum album = TemplateServices().album();
    const QVector<ManagerSlot> assignments = AssignmentsOfPhoto(album, photoRow);
    if (assignments.isEmpty()) return;
    const bool atOnce = assignments.size() == 1 && UnmatchedSlotCount(album, assignments.first().usedRow) == 0;
    Timer_dakai_chuangkou->setEnabled(atOnce);
    showModal();
    Timer_dakai_chuangkou->setEnabled(false);
    Timer1->setEnabled(false);
}

void Form20::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    FormShow();
}

void Form20::FormShow() {
    const ManagerAlbum album = TemplateServices().album();
    const int photoRow = currentPhotoRow();
    const QVector<ManagerSlot> assignments = AssignmentsOfPhoto(album, photoRow);
    Label_zhaopian_shiyong_shuliang->setText(PhotoTemplatesLabel(int(assignments.size())));
    const QString name = photoRow >= 0 && photoRow < album.photos.size() ? album.photos[photoRow].name : QString();
    QVector<QStringList> rows;
    for (const ManagerSlot& slot : assignments)
        rows.append({QString::number(rows.size() + 1), name, slot.templateName, slot.photoPath,
                     QString::number(slot.row)});
    ListView_zhaopian_yu_pipei_moban->setRows(rows);
}

int Form20::selectedRow() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return -1;
    const int row = rows.first().row();
    return row < ListView_zhaopian_yu_pipei_moban->rowCount() ? row : -1;
}

void Form20::selectRow(int row) {
    view_->clearSelection();
    if (row >= 0 && row < ListView_zhaopian_yu_pipei_moban->rowCount()) view_->selectRow(row);
}

int Form20::chosenSlotRow() const {
    const int row = selectedRow();
    if (row < 0) return -1;
    bool ok = false;
    const int slotRow = ListView_zhaopian_yu_pipei_moban->cell(row, kSlotRowColumn).toInt(&ok);
    return ok ? slotRow : -1;
}

void Form20::openPreview() {
    const int slotRow = chosenSlotRow();
    if (slotRow < 0) {
        TemplateServices().showMessage(kNoTemplateSelected);
        return;
    }
    const ManagerAlbum album = TemplateServices().album();
    int usedRow = -1;
    for (const ManagerSlot& slot : album.slotList)
        if (slot.row == slotRow) usedRow = slot.usedRow;
    if (usedRow < 0) {
        TemplateServices().showMessage(kNoTemplateSelected);
        return;
    }

    if (UnmatchedSlotCount(album, usedRow) > 0) {
        if (!TemplateServices().askQuestion(kCompleteCaption, kCompleteQuestion)) return;
        Window* main = Windows::find("Form2");
        if (main) main->setField("Edit_zidongkongzhi", kOpenTemplateManager);
        Timer1->setEnabled(true);
        if (Timer* opener = main ? main->findChild<Timer*>("Timer_zidongkongzhi") : nullptr) opener->setEnabled(true);
        return;
    }

    TemplatePreviewRequest request;
    request.mode = kPhotoPreviewMode;
    request.row = usedRow;
    request.templateCells = UsedTemplateCells(usedRow);
    for (const ManagerSlot& slot : SlotsOfTemplate(album, usedRow)) request.slotRows.append(slot.row);
    request.chosenSlotRow = slotRow;
    request.intermediateName = [](int, int pass) {
        Window* main = Windows::find("Form2");
        const QString ext = main && !main->field("Edit_kuozhanming_1").isEmpty() ? main->field("Edit_kuozhanming_1")
                                                                                  : QStringLiteral(".rar");
        return Folders::TemplateWork() + "/wj_y_l_d_g_1wj_y_l_d_g_1wj_y_l_d_g_1_" + QString::number(pass) +
               TimeOfDayDigits() + ext;
    };
    Windows::get<Form19>()->preview(request);
}

void Form20::Button2Click() { openPreview(); }
void Form20::Button4Click() { openPreview(); }
void Form20::Button3Click() { reject(); }
void Form20::Button1Click() { reject(); }

void Form20::Timer_dakai_chuangkouTimer() {
    Timer_dakai_chuangkou->setEnabled(false);
    if (ListView_zhaopian_yu_pipei_moban->rowCount() > 0) {
        selectRow(0);
        openPreview();
    }
    Timer1->setEnabled(true);
}

void Form20::Timer1Timer() {
    Timer1->setEnabled(false);
    reject();
}
