#include "app/Form3.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/DetailPanel.h"
#include "app/DialogParts.h"
#include "app/Form13.h"
#include "app/Form18.h"
#include "app/Form3Tables.h"
#include "app/Form41.h"
#include "app/Messages.h"
#include "app/PhotoRendering.h"
#include "photos/Combinations.h"
#include "photos/PhotoCollection.h"
#include "photos/PhotoTable.h"
#include "photos/PictureFit.h"
#include "photos/SlotTable.h"
#include "platform/CaptionBar.h"
#include "platform/Desktop.h"
#include "platform/TextTable.h"
#include "platform/TextTableModel.h"

namespace {
// The file dialog's filter: JPG files, however the extension is spelled.
const QString kPhotoFilter = QStringLiteral("添加照片文件(JPG) (*.jpg *.JPG *.Jpg)");

// The photo table reads at a glance within its view: the short columns as wide as their
// contents need, 位置 taking what is left (a long path shows its beginning).
void SizePhotoColumns(QTableView* view) {
    struct Width {
        int column;
        int pixels;
    };
    const Width widths[] = {{PhotoColumn::kCaption, 40}, {PhotoColumn::kName, 90}, {PhotoColumn::kFormat, 44},
                            {PhotoColumn::kWidth, 48},   {PhotoColumn::kHeight, 48}, {PhotoColumn::kPlaced, 40}};
    QHeaderView* header = view->horizontalHeader();
    header->setMinimumSectionSize(20);
    for (const Width& w : widths) {
        header->setSectionResizeMode(w.column, QHeaderView::Fixed);
        header->resizeSection(w.column, w.pixels);
    }
    header->setSectionResizeMode(PhotoColumn::kPath, QHeaderView::Stretch);
    view->setTextElideMode(Qt::ElideMiddle);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
}  // namespace

Form3::Form3(QWidget* parent) : Window("Form3", "添加照片", parent) {
    resize(800, 560);
    SkinSmallWindow(this);

    ListView_daoru_zhaopian = addTable("ListView_daoru_zhaopian", PhotoTableCaptions());
    ListView_heng_zhao = addTable("ListView_heng_zhao", PendingPhotoTableCaptions());
    ListView_shu_zhao = addTable("ListView_shu_zhao", PendingPhotoTableCaptions());
    ListView_gaoji_moban = addTable("ListView_gaoji_moban", CandidateTableCaptions());
    ListView_gaojimoban_hengzhaopian_moban =
        addTable("ListView_gaojimoban_hengzhaopian_moban", CandidateTableCaptions());
    ListView_gaojimoban_shuzhaopian_moban =
        addTable("ListView_gaojimoban_shuzhaopian_moban", CandidateTableCaptions());
    ListView_hengzhaopian_moban = addTable("ListView_hengzhaopian_moban", CandidateTableCaptions());
    ListView_shuzhaopian_moban = addTable("ListView_shuzhaopian_moban", CandidateTableCaptions());
    ListView_moban_suijishu = addTable("ListView_moban_suijishu", {"位置"});

    for (auto [name, field] : {std::pair{"Edit_xuhao", &Edit_xuhao}, {"Edit_mingcheng", &Edit_mingcheng},
                               {"Edit_geshi", &Edit_geshi}, {"Edit_kuandu", &Edit_kuandu},
                               {"Edit_gaodu", &Edit_gaodu}, {"Edit_weizhi", &Edit_weizhi}})
        bindField(name, field);

    photoView_ = new QTableView(this);
    photoView_->setObjectName("ListView_daoru_zhaopian");
    photoView_->setModel(new TextTableModel(ListView_daoru_zhaopian, photoView_));
    photoView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    photoView_->setSelectionMode(QAbstractItemView::SingleSelection);
    photoView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    photoView_->verticalHeader()->hide();
    photoView_->setGeometry(12, 50, 460, 440);
    SizePhotoColumns(photoView_);
    connect(photoView_, &QTableView::clicked, this, &Form3::ListView_daoru_zhaopianClick);

    ScrollBox_xianshizhaopianshi = new QWidget(this);
    ScrollBox_xianshizhaopianshi->setObjectName("ScrollBox_xianshizhaopianshi");
    ScrollBox_xianshizhaopianshi->setGeometry(484, 50, 304, 228);
    Image_xianshizhaopian = new QLabel(ScrollBox_xianshizhaopianshi);
    Image_xianshizhaopian->setObjectName("Image_xianshizhaopian");
    details_ = new DetailPanel(this,
                               {{"Edit_xuhao", "序号"}, {"Edit_mingcheng", "照片"}, {"Edit_geshi", "格式"},
                                {"Edit_kuandu", "宽度"}, {"Edit_gaodu", "高度"}, {"Edit_weizhi", "位置"}},
                               ScrollBox_xianshizhaopianshi->width());
    details_->move(ScrollBox_xianshizhaopianshi->x(), ScrollBox_xianshizhaopianshi->geometry().bottom() + 12);

    // Visible buttons forward to the hidden twins that carry the commands.
    QWidget* hidden = HiddenButtonBox(this);
    struct Command {
        const char* visible;
        const char* twin;
        const char* caption;
        const char* twinCaption;
        void (Form3::*handler)();
    };
    const Command commands[] = {
        {"Button5", "Button2", "添加照片", "添加照片", &Form3::Button2Click},
        {"Button6", "Button3", "删除照片", "删除照片", &Form3::Button3Click},
        {"Button7", "Button4", "全部删除", "全部删除", &Form3::Button4Click},
        {"Button9", "Button10", "自动套版", "自动套版", &Form3::Button10Click},
        {"Button8", "Button1", "返    回", "返   回", &Form3::Button1Click},
    };
    int left = 12;
    for (const Command& command : commands) {
        QPushButton* visible = DialogButton(command.visible, command.caption, this);
        visible->move(left, height() - 50);
        left += visible->width() + 12;
        QPushButton* twin = HiddenButton(command.twin, command.twinCaption, hidden);
        connect(twin, &QPushButton::clicked, this, command.handler);
        connect(visible, &QPushButton::clicked, twin, &QPushButton::click);
    }
}

int Form3::selectedPhotoRow() const {
    const QModelIndexList rows = photoView_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return -1;
    const int row = rows.first().row();
    return row < ListView_daoru_zhaopian->rowCount() ? row : -1;
}

void Form3::selectPhotoRow(int row) {
    if (row < 0 || row >= ListView_daoru_zhaopian->rowCount()) {
        photoView_->clearSelection();
        return;
    }
    photoView_->selectRow(row);
}

MatchingWork Form3::matchingWork() {
    MatchingWork work{
        *ListView_heng_zhao,
        *ListView_shu_zhao,
        {*ListView_gaoji_moban, ListBox_ListView_gaoji_moban_shiyonghao,
         ListBox_ListView_gaoji_moban_xuanzhonghao},
        {*ListView_gaojimoban_hengzhaopian_moban,
         ListBox_ListView_gaojimoban_hengzhaopian_moban_shiyonghao,
         ListBox_ListView_gaojimoban_hengzhaopian_moban_xuanzhonghao},
        {*ListView_gaojimoban_shuzhaopian_moban,
         ListBox_ListView_gaojimoban_shuzhaopian_moban_shiyonghao,
         ListBox_ListView_gaojimoban_shuzhaopian_moban_xuanzhonghao},
        {*ListView_hengzhaopian_moban, ListBox_ListView_hengzhaopian_moban_shiyonghao,
         ListBox_ListView_hengzhaopian_moban_xuanzhonghao},
        {*ListView_shuzhaopian_moban, ListBox_ListView_shuzhaopian_moban_shiyonghao,
         ListBox_ListView_shuzhaopian_moban_xuanzhonghao},
    };
    work.randomScratch = ListView_moban_suijishu;
    return work;
}

void Form3::showEvent(QShowEvent* event) {
    ClearMatchingWork(matchingWork());
    Window::showEvent(event);
}

// ---- 添加照片

void Form3::Button2Click() {
    Form41* options = Windows::get<Form41>();
    if (!Windows::get<Form18>()->combinationsOn()) {
        options->Edit_mobanfashi = kRandomTemplatesMode;
        runAddDialog();
        return;
    }
    options->buildCombinationTable();
    options->showModal();
    // Closed by its caption bar, Form41 leaves the mode word as it was.
    if (options->Edit_mobanfashi == kRandomTemplatesMode) {
        runAddDialog();
    } else if (options->Edit_mobanfashi == kCombinationMode) {
        ListView_heng_zhao->clear();
        ListView_shu_zhao->clear();
        runCombinationPick();
    }
}

void Form3::runCombinationPick() {
    Form41* options = Windows::get<Form41>();
    const Combination* combination = options->chosenCombination();
    if (!combination) {
        ShowMessage("没有找到组合模板！");
        return;
    }
    // The dialog opens again after a message, until the files will do or the person cancels.
    for (;;) {
        const QStringList files =
            Desktop::current().chooseFiles(this, "添加照片", kPhotoFilter, QString(), true);
        if (files.isEmpty()) return;
        OpenDialog_daoru_Files = files;
        const SortedFiles sorted = SortChosenFiles(files);
        ListView_heng_zhao->clear();
        ListView_shu_zhao->clear();
        // A file whose size cannot be read goes last; the job names it as skipped.
        for (const QString& path : sorted.horizontal + sorted.unreadable) ListView_heng_zhao->addRow({path});
        for (const QString& path : sorted.vertical) ListView_shu_zhao->addRow({path});
        const QStringList messages =
            CombinationPickMessages(options->neededHorizontal(), options->neededVertical(),
                                    !sorted.horizontal.isEmpty(), !sorted.vertical.isEmpty());
        for (const QString& message : messages) ShowMessage(message);
        if (!messages.isEmpty()) continue;
        Form13* progress = Windows::get<Form13>();
        progress->runJob("添加照片", int(combination->members.size()), progress->Timer_shiyong_zuhemoban);
        return;
    }
}

void Form3::runAddDialog() {
    const QStringList files =
        Desktop::current().chooseFiles(this, "添加照片", kPhotoFilter, QString(), true);
    if (files.isEmpty()) return;
    OpenDialog_daoru_Files = files;
    Form13* progress = Windows::get<Form13>();
    progress->runJob("添加照片", int(files.size()), progress->Timer3);
}

// ---- Show a photo

void Form3::clearPreview() {
    Image_xianshizhaopian->clear();
    Image_xianshizhaopian->setToolTip(QString());
    for (QString* field : {&Edit_xuhao, &Edit_mingcheng, &Edit_geshi, &Edit_kuandu, &Edit_gaodu, &Edit_weizhi})
        field->clear();
    details_->clear();
}

void Form3::ListView_daoru_zhaopianClick() {
    clearPreview();
    HideRendererNumber();
    const int row = selectedPhotoRow();
    if (row < 0) return;
    const TextTable& photos = *ListView_daoru_zhaopian;
    const FramedPicture fit = FitFramed(PhotoWidth(photos, row), PhotoHeight(photos, row),
                                        ScrollBox_xianshizhaopianshi->size());
    if (!fit.isEmpty()) {
        const PhotoPicture picture =
            RenderPhotoPicture(PhotoPath(photos, row), fit.picture.size(), fit.picture.topLeft(), fit.frame);
        Image_xianshizhaopian->setPixmap(QPixmap::fromImage(picture.image));
        Image_xianshizhaopian->setGeometry(QRect({0, 0}, fit.frame));
    }
    Image_xianshizhaopian->setToolTip("第" + QString::number(row + 1) + "张, 照片名称: " + PhotoName(photos, row));
    setDetailFields(row);
}

void Form3::setDetailFields(int row) {
    const TextTable& photos = *ListView_daoru_zhaopian;
    Edit_xuhao = photos.cell(row, PhotoColumn::kCaption);
    Edit_mingcheng = photos.cell(row, PhotoColumn::kName);
    Edit_geshi = photos.cell(row, PhotoColumn::kFormat);
    Edit_kuandu = photos.cell(row, PhotoColumn::kWidth);
    Edit_gaodu = photos.cell(row, PhotoColumn::kHeight);
    Edit_weizhi = photos.cell(row, PhotoColumn::kPath);
    details_->setValues({Edit_xuhao, Edit_mingcheng, Edit_geshi, Edit_kuandu, Edit_gaodu, Edit_weizhi});
}

// ---- 删除照片, 全部删除

void Form3::Button3Click() {
    const AlbumTables album = ProgramAlbumTables();
    if (album.photos.rowCount() == 0) {
        ShowMessage(kNoPhotosMessage);
        return;
    }
    const int row = selectedPhotoRow();
    if (!AskQuestion(kDeletePhotoTitle, DeletePhotoQuestion(CountSlotsHoldingPhoto(album.slotTable, row))))
        return;
    if (row < 0) {
        ShowMessage(kNoPhotoSelectedMessage);
        return;
    }
    ShowMessage(DeletePhoto(album, row, DefaultRandomPick()));
    if (album.photos.rowCount() == 0) ClearPhotoCells();
    selectPhotoRow(-1);
    clearPreview();
}

void Form3::Button4Click() {
    const AlbumTables album = ProgramAlbumTables();
    if (album.photos.rowCount() == 0) {
        ShowMessage(kNoPhotosMessage);
        return;
    }
    if (!AskQuestion(kDeletePhotoTitle, kDeleteAllQuestion)) return;
    DeleteAllPhotos(album);
    ShowMessage(kAllPhotosDeletedMessage);
    ClearPhotoCells();
    clearPreview();
}

// ---- 自动套版

void Form3::Button10Click() {
    const AutoMatchStart start = StartAutoMatch(*ListView_daoru_zhaopian);
    if (!start.runJob) {
        ShowMessage(start.message);
        return;
    }
    Form13* progress = Windows::get<Form13>();
    progress->runJob("自动匹配模板", 2 * int(OpenDialog_daoru_Files.size()),
                     progress->Timer_zidong_zhaopian_yu_moban_pipei);
    // A job that left photos without a place has said so in its own message.
    if (progress->lastMatching().unplaced == 0) ShowMessage(kMatchingDoneMessage);
}

void Form3::Button1Click() { accept(); }
