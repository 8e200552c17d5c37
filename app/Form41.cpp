#include "app/Form41.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/DetailPanel.h"
#include "app/DialogParts.h"
#include "app/Messages.h"
#include "photos/Matching.h"
#include "platform/CaptionBar.h"
#include "platform/TextTable.h"
#include "platform/TextTableModel.h"
#include "templates/Form8.h"
#include "templates/LibraryFolders.h"

namespace {
const QString kCombinationTitle = QStringLiteral("组合模板");
const QString kNoCombinationsMessage = QStringLiteral("没有找到组合模板！");
const QString kNoCombinationSelectedMessage = QStringLiteral("没有选中组合模板！");
}  // namespace

Form41::Form41(QWidget* parent) : Window("Form41", "模板选项：自动为添加的照片分配模板方式", parent) {
    resize(600, 430);
    SkinSmallWindow(this);
    ListView_zuhemoban = addTable("ListView_zuhemoban", CombinationTableCaptions());
    Edit_zuhemoban_xuanhao = "0";
    for (auto [name, field] : {std::pair{"Edit_mobanfashi", &Edit_mobanfashi},
                               {"Edit_zuhemoban_xuanhao", &Edit_zuhemoban_xuanhao},
                               {"Edit_zuhemoban_mingcheng", &Edit_zuhemoban_mingcheng},
                               {"Edit_zuhemoban_hengzhao", &Edit_zuhemoban_hengzhao},
                               {"Edit_zuhemoban_shuzhao", &Edit_zuhemoban_shuzhao}})
        bindField(name, field);

    view_ = new QTableView(this);
    view_->setObjectName("ListView_zuhemoban");
    view_->setModel(new TextTableModel(ListView_zuhemoban, view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view_->setGeometry(12, 50, width() - 24, 190);
    connect(view_, &QTableView::clicked, this, &Form41::ListView_zuhemobanClick);

    details_ = new DetailPanel(this,
                               {{"Edit_zuhemoban_mingcheng", "模板组合"},
                                {"Edit_zuhemoban_hengzhao", "横照片"},
                                {"Edit_zuhemoban_shuzhao", "竖照片"}},
                               300);
    details_->move(12, 252);

    Label3 = new QLabel(kCombinationNoteStart, this);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setStyleSheet("color: #1c2d3e;");
    Label3->setGeometry(12, details_->geometry().bottom() + 8, width() - 24, 24);

    const int buttonsTop = height() - 62;
    QPushButton* combination = DialogButton("Button1", "使用模板组合添加照片   ← 推荐使用", this);
    combination->setFixedWidth(300);
    combination->move(12, buttonsTop);
    connect(combination, &QPushButton::clicked, this, &Form41::Button1Click);
    QPushButton* random = DialogButton("Button2", "使用随机模板添加照片", this);
    random->setFixedWidth(200);
    random->move(width() - 12 - random->width(), buttonsTop);
    connect(random, &QPushButton::clicked, this, &Form41::Button2Click);
}

void Form41::buildCombinationTable() {
    const CombinationScan scan = ScanCombinations(Folders::CombinationLibrary(), Folders::TemplateWork(),
                                                  *Windows::get<Form8>()->ListView_moban);
    combinations_ = scan.combinations;
    FillCombinationTable(*ListView_zuhemoban, combinations_);
    if (!scan.problems.isEmpty()) ShowTitledMessage(kCombinationTitle, scan.problems.join('\n'));
    Edit_zuhemoban_xuanhao = "0";
    selectCombinationRow(ListView_zuhemoban->rowCount() > 0 ? 0 : -1);
    choose(0);
}

bool Form41::hasChosenCombination() const { return chosenCombination() != nullptr; }

const Combination* Form41::chosenCombination() const {
    bool ok = false;
    const int row = Edit_zuhemoban_xuanhao.toInt(&ok);
    if (!ok || row < 0 || row >= combinations_.size() || row >= ListView_zuhemoban->rowCount()) return nullptr;
    return &combinations_[row];
}

QString Form41::note() const { return Label3->text(); }

int Form41::selectedRow() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return -1;
    const int row = rows.first().row();
    return row < ListView_zuhemoban->rowCount() ? row : -1;
}

void Form41::selectCombinationRow(int row) {
    if (row < 0 || row >= ListView_zuhemoban->rowCount()) {
        view_->clearSelection();
        return;
    }
    view_->selectRow(row);
}

// Fills the selection fields from `row` and sets Nh, Nv and the note; a row that is not
// in the table leaves the fields empty and the note as it is.
void Form41::choose(int row) {
    const TextTable& table = *ListView_zuhemoban;
    if (row < 0 || row >= table.rowCount()) {
        Edit_zuhemoban_mingcheng.clear();
        Edit_zuhemoban_hengzhao.clear();
        Edit_zuhemoban_shuzhao.clear();
        neededHorizontal_ = neededVertical_ = 0;
        details_->clear();
        return;
    }
    Edit_zuhemoban_xuanhao = QString::number(row);
    Edit_zuhemoban_mingcheng = table.cell(row, CombinationColumn::kCaption);
    Edit_zuhemoban_hengzhao = table.cell(row, CombinationColumn::kHorizontal) + " 张";
    Edit_zuhemoban_shuzhao = table.cell(row, CombinationColumn::kVertical) + " 张";
    neededHorizontal_ = table.cell(row, CombinationColumn::kHorizontal).toInt();
    neededVertical_ = table.cell(row, CombinationColumn::kVertical).toInt();
    details_->setValues({Edit_zuhemoban_mingcheng, Edit_zuhemoban_hengzhao, Edit_zuhemoban_shuzhao});
    Label3->setText(CombinationNote(neededHorizontal_, neededVertical_, Label3->text()));
}

void Form41::ListView_zuhemobanClick() {
    if (ListView_zuhemoban->rowCount() == 0) {
        ShowTitledMessage(kCombinationTitle, kNoCombinationsMessage);
        return;
    }
    const int row = selectedRow();
    if (row < 0) {
        ShowTitledMessage(kCombinationTitle, kNoCombinationSelectedMessage);
        return;
    }
    choose(row);
}

void Form41::Button1Click() {
    // Without a combination there is nothing the combination job could fill.
    if (!hasChosenCombination()) {
        ShowTitledMessage(kCombinationTitle, kNoCombinationsMessage);
        return;
    }
    Edit_mobanfashi = kCombinationMode;
    accept();
}

void Form41::Button2Click() {
    Edit_mobanfashi = kRandomTemplatesMode;
    accept();
}
