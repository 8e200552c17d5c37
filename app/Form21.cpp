#include "app/Form21.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/DetailPanel.h"
#include "app/DialogParts.h"
#include "app/Form3Tables.h"
#include "app/Messages.h"
#include "app/PhotoRendering.h"
#include "photos/Backgrounds.h"
#include "photos/PhotoTable.h"
#include "platform/CaptionBar.h"
#include "platform/Desktop.h"
#include "platform/TextTable.h"
#include "platform/TextTableModel.h"

namespace {
const QString kPictureFilter = QStringLiteral("添加照片文件(JPG) (*.jpg *.JPG *.Jpg)");
}  // namespace

Form21::Form21(QWidget* parent) : Window("Form21", "背景图片", parent) {
    resize(800, 460);
    SkinSmallWindow(this);
    ListView_moban_beijing = addTable("ListView_moban_beijing", BackgroundTableCaptions());
    for (auto [name, field] : {std::pair{"Edit_xuhao", &Edit_xuhao}, {"Edit_mingcheng", &Edit_mingcheng},
                               {"Edit_geshi", &Edit_geshi}, {"Edit_kuandu", &Edit_kuandu},
                               {"Edit_gaodu", &Edit_gaodu}, {"Edit_weizhi", &Edit_weizhi}})
        bindField(name, field);

    view_ = new QTableView(this);
    view_->setObjectName("ListView_moban_beijing");
    view_->setModel(new TextTableModel(ListView_moban_beijing, view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->setGeometry(12, 50, 560, 340);
    connect(view_, &QTableView::clicked, this, &Form21::ListView_moban_beijingClick);

    Image_xianshizhaopian = new QLabel(this);
    Image_xianshizhaopian->setObjectName("Image_xianshizhaopian");
    Image_xianshizhaopian->setGeometry(QRect({584, 50}, kBackgroundPreviewBox));
    Image_xianshizhaopian->setAlignment(Qt::AlignCenter);
    details_ = new DetailPanel(this,
                               {{"Edit_xuhao", "编号"}, {"Edit_mingcheng", "图片名称"}, {"Edit_geshi", "图片类型"},
                                {"Edit_kuandu", "宽度"}, {"Edit_gaodu", "高度"}, {"Edit_weizhi", "图片位置"}},
                               width() - 584 - 12);
    details_->move(584, Image_xianshizhaopian->geometry().bottom() + 10);

    const int buttonsTop = height() - 50;
    QPushButton* replace = DialogButton("Button1", "更换背景图片", this);
    replace->setFixedWidth(112);
    replace->move(584, buttonsTop);
    connect(replace, &QPushButton::clicked, this, &Form21::Button1Click);
    QPushButton* back = DialogButton("Button2", "返  回", this);
    back->setFixedWidth(80);
    back->move(width() - 12 - back->width(), buttonsTop);
    connect(back, &QPushButton::clicked, this, &Form21::Button2Click);

    // The album's tables on Form8 exist from here on (Form8 and Form3 are created first).
    ProgramAlbumTables();
}

int Form21::selectedRow() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : rows)
        if (first < 0 || index.row() < first) first = index.row();
    return first < ListView_moban_beijing->rowCount() ? first : -1;
}

void Form21::selectRow(int row) {
    view_->clearSelection();
    if (row >= 0 && row < ListView_moban_beijing->rowCount()) view_->selectRow(row);
}

void Form21::clearPreview() {
    Image_xianshizhaopian->clear();
    Image_xianshizhaopian->setToolTip(QString());
    for (QString* field : {&Edit_xuhao, &Edit_mingcheng, &Edit_geshi, &Edit_kuandu, &Edit_gaodu, &Edit_weizhi})
        field->clear();
    details_->clear();
}

void Form21::ListView_moban_beijingClick() {
    HideRendererNumber();
    clearPreview();
    const int row = selectedRow();
    if (row < 0) return;
    const BackgroundShowing showing = ShowBackgroundRow(*ListView_moban_beijing, row);
    if (!showing.message.isEmpty()) ShowMessage(showing.message);
    if (!showing.show) return;
    const TextTable& rows = *ListView_moban_beijing;
    const PhotoPicture picture = RenderPhotoPicture(BackgroundPath(rows, row), showing.fit.picture.size(),
                                                    showing.fit.picture.topLeft(), showing.fit.frame);
    Image_xianshizhaopian->setPixmap(QPixmap::fromImage(picture.image));
    Image_xianshizhaopian->setToolTip(showing.hint);
    Edit_xuhao = rows.cell(row, BackgroundColumn::kNumber);
    Edit_mingcheng = rows.cell(row, BackgroundColumn::kPicture);
    Edit_geshi = rows.cell(row, BackgroundColumn::kFormat);
    Edit_kuandu = rows.cell(row, BackgroundColumn::kWidth);
    Edit_gaodu = rows.cell(row, BackgroundColumn::kHeight);
    Edit_weizhi = rows.cell(row, BackgroundColumn::kPath);
    details_->setValues({Edit_xuhao, Edit_mingcheng, Edit_geshi, Edit_kuandu, Edit_gaodu, Edit_weizhi});
}

void Form21::Button1Click() {
    const int row = selectedRow();
    const QString refusal = BackgroundReplaceRefusal(*ListView_moban_beijing, row);
    if (!refusal.isEmpty()) {
        ShowMessage(refusal);
        return;
    }
    const QStringList files =
        Desktop::current().chooseFiles(this, "更换背景图片", kPictureFilter, QString(), false);
    if (files.isEmpty()) return;
    const UprightCheck check = CheckUprightPhoto(files.first());
    if (!check.ok()) {
        ShowMessage(check.error);
        return;
    }
    // The row records the picture's upright size, as the photo table does.
    const QString answer = ReplaceBackground(*ListView_moban_beijing, row, files.first(),
                                             RecordedPhotoSize(check.stored, check.delivered),
                                             check.delivered);
    if (!answer.isEmpty()) {
        ShowMessage(answer);
        return;
    }
    clearPreview();
}

void Form21::Button2Click() { reject(); }
