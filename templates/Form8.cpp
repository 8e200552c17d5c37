// Form8's layout and commands; the tiles and the dragging are in Form8Tiles.cpp.

#include "templates/Form8.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>

#include "platform/CaptionBar.h"
#include "platform/Events.h"
#include "platform/TextTable.h"
#include "platform/TextTableModel.h"
#include "platform/Timer.h"
#include "templates/Container.h"
#include "templates/Form19.h"
#include "templates/Form19Pictures.h"
#include "templates/LibraryFolders.h"
#include "templates/TemplateManagerServices.h"
#include "templates/TemplateTables.h"

namespace {
const QString kFramesExist = QStringLiteral("xiezai_zhaopian_kuang");
const QString kNone = QStringLiteral("wu");

// Layout: the library and the used templates on the left, the frame area and the photo
// strip on the right. The moving picture's way ends 50 pixels into the used templates'
// group (use) or near the top of the frame area (show).
constexpr int kLeft = 10;
constexpr int kLeftWidth = 380;
constexpr int kRight = 400;
constexpr int kLibraryTop = 45;
constexpr int kUsedTop = 304;
constexpr int kFrameAreaTop = 65;
constexpr int kStripTop = 302;
constexpr int kBottomRow = 604;
constexpr int kDetailPanelTop = 24;  // the hint of a shown template ends 90 below it

QTableView* ListView(const QString& name, QWidget* parent, QRect box) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setDefaultSectionSize(58);
    view->verticalHeader()->setDefaultSectionSize(24);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setGeometry(box);
    return view;
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent, QRect box) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(box);
    return button;
}

int SelectedRowOf(const QTableView* view) {
    if (!view->model() || !view->selectionModel()) return -1;
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    if (rows.isEmpty()) return -1;
    const int row = rows.first().row();
    return row < view->model()->rowCount() ? row : -1;
}

// The shown tables are reset whenever a cell changes (a drop sets 照片匹配); the row the
// person selected stays selected, as it does while a list's cells change under it.
void KeepSelection(QTableView* view) {
    auto* kept = new int(-1);
    QObject::connect(view->model(), &QAbstractItemModel::destroyed, [kept] { delete kept; });
    QObject::connect(view->model(), &QAbstractItemModel::modelAboutToBeReset, view,
                     [view, kept] { *kept = SelectedRowOf(view); });
    QObject::connect(view->model(), &QAbstractItemModel::modelReset, view, [view, kept] {
        if (*kept >= 0 && *kept < view->model()->rowCount()) view->selectRow(*kept);
    });
}

void SelectRowOf(QTableView* view, int row) {
    if (!view->model()) return;
    view->clearSelection();
    if (row >= 0 && row < view->model()->rowCount()) view->selectRow(row);
}

QString MovieExtension() {
    Window* main = Windows::find("Form2");
    const QString ext = main ? main->field("Edit_kuozhanming_1") : QString();
    return ext.isEmpty() ? QStringLiteral(".rar") : ext;
}
}  // namespace

Form8::Form8(QWidget* parent) : Window("Form8", "模板管理", parent) {
    resize(1010, 646);
    caption_ = SkinSmallWindow(this);
    ListView_moban = addTable("ListView_moban", TemplateList::Captions());
    for (auto [name, field] : {std::pair{"Edit_xuhao", &Edit_xuhao},
                               {"Edit_mobanmingcheng", &Edit_mobanmingcheng},
                               {"Edit_liexing", &Edit_liexing},
                               {"Edit_mobanshichang", &Edit_mobanshichang},
                               {"Edit_hengzhaopian", &Edit_hengzhaopian},
                               {"Edit_shuzhaopian", &Edit_shuzhaopian},
                               {"Edit_mobanhangshu", &Edit_mobanhangshu},
                               {"Edit_tianjia_hengzhaopian", &Edit_tianjia_hengzhaopian},
                               {"Edit_tianjia_shuzhaopian", &Edit_tianjia_shuzhaopian},
                               {"Edit_zhaopian_kuang", &Edit_zhaopian_kuang},
                               {"Edit_zhaopian_id", &Edit_zhaopian_id},
                               {"Edit_mobankuang_id", &Edit_mobankuang_id},
                               {"Edit_tuodong_kaiguan", &Edit_tuodong_kaiguan},
                               {"Edit_tuodong_down_x", &Edit_tuodong_down_x},
                               {"Edit_tuodong_down_y", &Edit_tuodong_down_y}})
        bindField(name, field);
    Edit_zhaopian_kuang = kNone;
    Edit_tuodong_kaiguan = "songkai";

    buildLibraryGroup();
    buildUsedGroup();
    buildTileAreas();
    buildBottomRow();

    Image_tishi = new QLabel("模板", this);
    Image_tishi->setObjectName("Image_tishi");
    Image_tishi->setAlignment(Qt::AlignCenter);
    Image_tishi->setStyleSheet("background: rgba(0, 128, 128, 200); color: white; border: 2px solid white;");
    Image_tishi->resize(150, 40);
    Image_tishi->hide();

    Timer1 = new Timer(this, 1, [this] { Timer1Timer(); });
    Timer1->setObjectName("Timer1");
    lockedDuringHint_ = {libraryView_, usedView_, ScrollBox_mobankuang, ScrollBox_zhapian, CheckBox_tishi,
                         caption_->closeLabel()};
    for (QPushButton* button : findChildren<QPushButton*>()) lockedDuringHint_.append(button);
}

void Form8::buildLibraryGroup() {
    libraryGroup_ = new QGroupBox("全部模板", this);
    libraryGroup_->setObjectName("GroupBox_quanbu_moban");
    libraryGroup_->setGeometry(kLeft, kLibraryTop, kLeftWidth, 250);
    libraryView_ = ListView("ListView_moban", libraryGroup_, {8, 20, kLeftWidth - 16, 186});
    libraryView_->setModel(new TextTableModel(ListView_moban, libraryView_));
    KeepSelection(libraryView_);
    connect(libraryView_, &QTableView::doubleClicked, this, &Form8::ListView_mobanDblClick);
    QPushButton* preview = Button("Button2", "预览模板", libraryGroup_, {8, 214, 110, 28});
    connect(preview, &QPushButton::clicked, this, &Form8::Button2Click);
    QPushButton* use = Button("Button1", "使用选中模板  ↓", libraryGroup_, {kLeftWidth - 8 - 130, 214, 130, 28});
    connect(use, &QPushButton::clicked, this, &Form8::Button1Click);

    libraryMenu_ = new QMenu(this);
    libraryMenu_->setObjectName("PopupMenu_moban");
    connect(libraryMenu_->addAction("使用选中模板"), &QAction::triggered, this, &Form8::Button1Click);
    connect(libraryMenu_->addAction("预览选中模板"), &QAction::triggered, this, &Form8::Button2Click);
    connect(libraryView_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { libraryMenu_->popup(libraryView_->viewport()->mapToGlobal(at)); });
}

void Form8::buildUsedGroup() {
    usedGroup_ = new QGroupBox("已经使用的模板", this);
    usedGroup_->setObjectName("GroupBox_yijing_shiyong");
    usedGroup_->setGeometry(kLeft, kUsedTop, kLeftWidth, 336);
    usedView_ = ListView("ListView_moban_shiyong", usedGroup_, {8, 20, kLeftWidth - 16, 150});
    connect(usedView_, &QTableView::clicked, this, &Form8::ListView_moban_shiyongClick);

    detailPanel_ = new QWidget(usedGroup_);
    detailPanel_->setObjectName("Panel_xiangxi");
    detailPanel_->setGeometry(8, 176, kLeftWidth - 16, 116);
    auto* grid = new QGridLayout(detailPanel_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const std::pair<const char*, const char*> fields[] = {
        {"Edit_xuhao", "模板序号"},         {"Edit_mobanhangshu", "使用行号"},
        {"Edit_mobanmingcheng", "模板名称"}, {"Edit_liexing", "模板类型"},
        {"Edit_mobanshichang", "模板时长"},  {"Edit_hengzhaopian", "横照片"},
        {"Edit_shuzhaopian", "竖照片"},      {"Edit_tianjia_hengzhaopian", "已加横照"},
        {"Edit_tianjia_shuzhaopian", "已加竖照"}};
    for (int k = 0; k < int(std::size(fields)); ++k) {
        auto* caption = new QLabel(fields[k].second, detailPanel_);
        auto* edit = new QLineEdit(detailPanel_);
        edit->setObjectName(fields[k].first);
        edit->setReadOnly(true);
        grid->addWidget(caption, k / 2, 2 * (k % 2));
        grid->addWidget(edit, k / 2, 2 * (k % 2) + 1);
        detailEdits_.append(edit);
    }

    QPushButton* preview = Button("Button3", "预览", usedGroup_, {8, 300, 80, 28});
    connect(preview, &QPushButton::clicked, this, &Form8::Button3Click);
    QPushButton* remove = Button("Button4", "删除", usedGroup_, {96, 300, 80, 28});
    connect(remove, &QPushButton::clicked, this, &Form8::Button4Click);
    QPushButton* removeAll = Button("Button5", "全删", usedGroup_, {184, 300, 80, 28});
    connect(removeAll, &QPushButton::clicked, this, &Form8::Button5Click);

    usedMenu_ = new QMenu(this);
    usedMenu_->setObjectName("PopupMenu_moban_shiyong");
    connect(usedMenu_->addAction("预览模板"), &QAction::triggered, this, &Form8::Button3Click);
    connect(usedMenu_->addAction("删除模板"), &QAction::triggered, this, &Form8::Button4Click);
    connect(usedMenu_->addAction("全删模板"), &QAction::triggered, this, &Form8::Button5Click);
    connect(usedView_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { usedMenu_->popup(usedView_->viewport()->mapToGlobal(at)); });
}

void Form8::buildTileAreas() {
    auto area = [this](const QString& name, const QString& title, QRect box, QWidget** content) {
        auto* caption = new QLabel(title, this);
        caption->setGeometry(box.left(), box.top() - 20, box.width(), 18);
        auto* scroll = new QScrollArea(this);
        scroll->setObjectName(name);
        scroll->setGeometry(box);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setStyleSheet("QScrollArea { background: #16222e; border: 1px solid #3d5870; }");
        *content = new QWidget;
        (*content)->setObjectName(name + "_neirong");
        (*content)->setStyleSheet("background: #16222e;");
        (*content)->resize(box.width() - 2, box.height() - 2);
        scroll->setWidget(*content);
        return scroll;
    };
    ScrollBox_mobankuang = area("ScrollBox_mobankuang", "模板所需照片框",
                                QRect({kRight, kFrameAreaTop}, kFrameAreaSize), &frameContent_);
    ScrollBox_zhapian = area("ScrollBox_zhapian", "全部照片 (拖动照片到上面的照片框中)",
                             QRect({kRight, kStripTop}, kPhotoStripSize), &photoContent_);

    ScrollBox_yidongkongjian = new QWidget(this);
    ScrollBox_yidongkongjian->setObjectName("ScrollBox_yidongkongjian");
    ScrollBox_yidongkongjian->resize(kDragBoxSize);
    ScrollBox_yidongkongjian->setStyleSheet("background: rgba(20, 40, 60, 220); border: 1px solid #ffd84a;");
    ScrollBox_yidongkongjian->setAttribute(Qt::WA_StyledBackground);
    dragPicture_ = new QLabel(ScrollBox_yidongkongjian);
    dragPicture_->setGeometry(2, 2, kDragBoxSize.width() - 4, kDragBoxSize.height() - 24);
    dragPicture_->setAlignment(Qt::AlignCenter);
    dragPicture_->setStyleSheet("border: none;");
    dragName_ = new QLabel(ScrollBox_yidongkongjian);
    dragName_->setGeometry(2, kDragBoxSize.height() - 22, kDragBoxSize.width() - 4, 20);
    dragName_->setAlignment(Qt::AlignCenter);
    dragName_->setStyleSheet("border: none; color: white;");
    ScrollBox_yidongkongjian->installEventFilter(this);
    ScrollBox_yidongkongjian->hide();
}

void Form8::buildBottomRow() {
    CheckBox_tishi = new QCheckBox("提示演示效果", this);
    CheckBox_tishi->setObjectName("CheckBox_tishi");
    CheckBox_tishi->setChecked(true);
    CheckBox_tishi->setGeometry(kRight, kBottomRow, 110, 26);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(kRight + 114, kBottomRow + 3, 140, 20);
    ProgressBar1->setRange(0, 0);
    ProgressBar1->setTextVisible(false);
    QPushButton* external = Button("Button7", "添加外部模板文件", this, {kRight + 262, kBottomRow, 128, 28});
    connect(external, &QPushButton::clicked, this, &Form8::Button7Click);
    QPushButton* match = Button("Button8", "自动匹配照片", this, {kRight + 398, kBottomRow, 104, 28});
    connect(match, &QPushButton::clicked, this, &Form8::Button8Click);
    QPushButton* back = Button("Button6", "返     回", this, {kRight + 510, kBottomRow, 83, 28});
    connect(back, &QPushButton::clicked, this, &Form8::Button6Click);
}

// The album's tables are made by the program once all windows exist.
void Form8::attachAlbumTables() {
    if (usedView_->model()) return;
    TextTable* used = usedTemplates();
    if (!used) return;
    usedView_->setModel(new TextTableModel(used, usedView_));
    KeepSelection(usedView_);
}

TextTable* Form8::usedTemplates() const { return table("ListView_moban_shiyong"); }

void Form8::showEvent(QShowEvent* event) {
    attachAlbumTables();
    // The main window empties the detail fields before it opens the window.
    refreshDetails();
    Window::showEvent(event);
}

void Form8::clearDetailFields() {
    for (QString* field : {&Edit_xuhao, &Edit_mobanmingcheng, &Edit_liexing, &Edit_mobanshichang,
                           &Edit_hengzhaopian, &Edit_shuzhaopian, &Edit_mobanhangshu,
                           &Edit_tianjia_hengzhaopian, &Edit_tianjia_shuzhaopian})
        field->clear();
    refreshDetails();
}

void Form8::refreshDetails() {
    const QString* values[] = {&Edit_xuhao,       &Edit_mobanhangshu, &Edit_mobanmingcheng,
                               &Edit_liexing,     &Edit_mobanshichang, &Edit_hengzhaopian,
                               &Edit_shuzhaopian, &Edit_tianjia_hengzhaopian, &Edit_tianjia_shuzhaopian};
    for (int k = 0; k < detailEdits_.size(); ++k) detailEdits_[k]->setText(*values[k]);
}

void Form8::showDetails(int usedRow) {
    const TextTable* used = usedTemplates();
    if (!used) return;
    Edit_xuhao = used->cell(usedRow, TemplateList::Col::Index);
    Edit_mobanmingcheng = used->cell(usedRow, TemplateList::Col::Name);
    Edit_liexing = used->cell(usedRow, TemplateList::Col::Kind);
    Edit_hengzhaopian = used->cell(usedRow, TemplateList::Col::HorizontalPhotos);
    Edit_shuzhaopian = used->cell(usedRow, TemplateList::Col::VerticalPhotos);
    Edit_mobanshichang = used->cell(usedRow, TemplateList::Col::Length);
    Edit_mobanhangshu = QString::number(usedRow + 1);
    Edit_tianjia_hengzhaopian = "0";
    Edit_tianjia_shuzhaopian = "0";
    refreshDetails();
}

int Form8::selectedLibraryRow() const { return SelectedRowOf(libraryView_); }
void Form8::selectLibraryRow(int row) { SelectRowOf(libraryView_, row); }
int Form8::selectedUsedRow() const { return SelectedRowOf(usedView_); }
void Form8::selectUsedRow(int row) {
    attachAlbumTables();
    SelectRowOf(usedView_, row);
}

// ---- The moving picture.

void Form8::setControlsEnabled(bool enabled) {
    for (QWidget* widget : lockedDuringHint_) widget->setEnabled(enabled);
}

// Moves the hint's picture from `start` by `step` every `intervalMs` until `arrived`, with
// the controls locked meanwhile. A way that never arrives ends after 400 steps.
void Form8::playHint(QPoint start, QPoint step, int intervalMs, const std::function<bool(QPoint)>& arrived) {
    if (!CheckBox_tishi->isChecked()) return;
    QPointer<Form8> guard(this);
    setControlsEnabled(false);
    Image_tishi->move(start);
    Image_tishi->show();
    Image_tishi->raise();
    for (int n = 0; n < 400 && guard && isVisible() && !arrived(Image_tishi->pos()); ++n) {
        Image_tishi->move(Image_tishi->pos() + step);
        waitUntil([] { return false; }, intervalMs);
    }
    if (!guard) return;
    Image_tishi->hide();
    setControlsEnabled(true);
}

// ---- Commands.

void Form8::ListView_mobanDblClick() { Button1Click(); }

void Form8::Button1Click() {
    if (ListView_moban->rowCount() == 0) return;
    const int row = selectedLibraryRow();
    if (row < 0) return TemplateServices().showMessage(kNoTemplateSelected);
    const int usedTop = usedGroup_->y();
    playHint({152, 176}, {0, 5}, 10, [usedTop](QPoint at) { return at.y() >= usedTop + 50; });
    TemplateServices().useTemplate(row);
}

void Form8::ListView_moban_shiyongClick() {
    attachAlbumTables();
    const TextTable* used = usedTemplates();
    if (!used || used->rowCount() == 0) return TemplateServices().showMessage(kNoUsedTemplates);
    const int row = selectedUsedRow();
    if (row < 0) return TemplateServices().showMessage(kNoTemplateSelected);
    finishLoading();
    playHint({152, 440}, {7, -4}, 1, [](QPoint at) { return at.y() <= kDetailPanelTop + 90; });
    destroyFrameTiles();
    showDetails(row);
    makeFrameTiles(row);
}

void Form8::Button2Click() {
    if (ListView_moban->rowCount() == 0) return TemplateServices().showMessage(kNoLibraryTemplates);
    const int row = selectedLibraryRow();
    if (row < 0) return TemplateServices().showMessage(kNoTemplateSelected);
    TemplatePreviewRequest request;
    request.mode = kLibraryPreviewMode;
    request.row = row;
    for (int column = 0; column < TemplateList::Col::ColumnCount; ++column)
        request.templateCells.append(ListView_moban->cell(row, column));
    const QString ext = MovieExtension();
    request.intermediateName = [ext](int checks, int pass) {
        return Folders::TemplateWork() + "/wj_y_l_d_g_1" + QString::number(checks) + "-" + QString::number(pass) +
               TimeOfDayDigits() + ext;
    };
    Windows::get<Form19>()->preview(request);
}

void Form8::Button3Click() {
    const TextTable* used = usedTemplates();
    if (!used || used->rowCount() == 0) return TemplateServices().showMessage(kNoUsedTemplates);
    const int row = selectedUsedRow();
    if (Edit_mobanhangshu.isEmpty() || row < 0) return TemplateServices().showMessage(kNoTemplateSelected);
    previewUsedTemplate(row);
}

void Form8::previewUsedTemplate(int usedRow) {
    const ManagerAlbum album = TemplateServices().album();
    TemplatePreviewRequest request;
    for (const ManagerSlot& slot : SlotsOfTemplate(album, usedRow)) request.slotRows.append(slot.row);
    const int unmatched = UnmatchedSlotCount(album, usedRow);
    if (unmatched > 0) return TemplateServices().showMessage(UnmatchedSlotsMessage(unmatched));

    request.mode = kUsedPreviewMode;
    request.row = usedRow;
    for (int column = 0; column < TemplateList::Col::ColumnCount; ++column)
        request.templateCells.append(usedTemplates()->cell(usedRow, column));
    const QString ext = MovieExtension();
    request.intermediateName = [ext](int checks, int pass) {
        return Folders::TemplateWork() + "/wj_y_l_d_g_1_wj_y_l_d_g_1" + QString::number(checks) + "-" +
               QString::number(pass) + TimeOfDayDigits() + ext;
    };
    Windows::get<Form19>()->preview(request);
}

void Form8::Button4Click() {
    const TextTable* used = usedTemplates();
    if (!used || used->rowCount() == 0) return TemplateServices().showMessage(kNoUsedTemplates);
    const int row = selectedUsedRow();
    if (row < 0) return TemplateServices().showMessage(kNoTemplateSelected);
    if (!TemplateServices().askQuestion(kDeleteCaption, kDeleteOneQuestion)) return;
    destroyFrameTiles();
    TemplateServices().deleteUsedTemplate(row);
    // The deleted row took its selection with it.
    usedView_->clearSelection();
    TemplateServices().showMessage(kDeletedOne);
    clearDetailFields();
}

void Form8::Button5Click() {
    const TextTable* used = usedTemplates();
    if (!used || used->rowCount() == 0) return TemplateServices().showMessage(kNoUsedTemplates);
    if (!TemplateServices().askQuestion(kDeleteCaption, kDeleteAllQuestion)) return;
    destroyFrameTiles();
    TemplateServices().deleteAllUsedTemplates();
    TemplateServices().showMessage(kDeletedAll);
    clearDetailFields();
}

void Form8::Button6Click() { accept(); }

// The library takes new templates with the program's own installation; the template page
// says where to get them.
void Form8::Button7Click() {
    if (Window* main = Windows::find("Form2")) main->invokeHandler("Button34Click");
}

// The waiting photos into templates, as the photo window's 自动套版 puts them.
void Form8::Button8Click() {
    if (Window* photos = Windows::find("Form3")) photos->invokeHandler("Button10Click");
}

void Form8::done(int result) {
    Timer1->setEnabled(false);
    ScrollBox_yidongkongjian->hide();
    Edit_tuodong_kaiguan = "songkai";
    destroyFrameTiles();
    destroyPhotoTiles();
    Window::done(result);
}
