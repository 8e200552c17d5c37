#include "app/Form5.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/DialogParts.h"
#include "app/Form13.h"
#include "app/Form2.h"
#include "app/Form23.h"
#include "app/Messages.h"
#include "media/LyricSettings.h"
#include "platform/CaptionBar.h"
#include "platform/Desktop.h"
#include "platform/TextTable.h"
#include "platform/TextTableModel.h"
#include "platform/Timer.h"
#include "templates/LibraryFolders.h"

namespace {
const QString kLyricFilter = QStringLiteral("添加歌词文件(LRC) (*.lrc *.LRC *.Lrc)");
const QString kDeleteTitle = QStringLiteral("删除歌词");
const QString kNoLyrics = QStringLiteral("没有添加歌词文件！");
const QString kNoneSelected = QStringLiteral("没有选中歌词文件！");

// The sample song's lyric file in the sample folder beside the executable.
QString SampleLyricFile() {
    return ProgramFolder() + "/yinyuegeciwenjian/" + QStringLiteral("春日.lrc");
}
}  // namespace

Form5::Form5(QWidget* parent) : Window("Form5", "添加歌词", parent) {
    resize(800, 560);
    SkinSmallWindow(this);

    ListView_daoru_LRC = addTable("ListView_daoru_LRC", LyricFileCaptions());
    ListView_geci_shezhi_canshu = addTable("ListView_geci_shezhi_canshu", LyricSettingsCaptions());
    for (auto [name, field] : {std::pair{"Edit_xuhao", &Edit_xuhao}, {"Edit_mingcheng", &Edit_mingcheng},
                               {"Edit_geshi", &Edit_geshi}, {"Edit_weizhi", &Edit_weizhi}})
        bindField(name, field);

    view_ = new QTableView(this);
    view_->setObjectName("ListView_daoru_LRC");
    view_->setModel(new TextTableModel(ListView_daoru_LRC, view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setGeometry(12, 50, 520, 440);
    for (auto [column, width] : {std::pair{0, 50}, {1, 150}, {2, 60}}) view_->setColumnWidth(column, width);
    connect(view_, &QTableView::clicked, this, &Form5::ListView_daoru_LRCClick);

    details_ = new QLabel(this);
    details_->setObjectName("Panel_xiangxi");
    details_->setGeometry(544, 50, 244, 440);
    details_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    details_->setWordWrap(true);
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    details_->setStyleSheet("QLabel { background: white; border: 1px solid #9ab; padding: 6px; }");

    QWidget* hidden = HiddenButtonBox(this);
    struct Command {
        const char* visible;
        const char* twin;
        const char* caption;
        void (Form5::*handler)();
    };
    const Command commands[] = {
        {"Button5", "Button2", "添加歌词", &Form5::Button2Click},
        {"Button6", "Button3", "删除歌词", &Form5::Button3Click},
        {"Button7", "Button4", "全部删除", &Form5::Button4Click},
        {"Button9", "Button10", "歌词预览", &Form5::Button10Click},
        {"Button12", "Button11", "设置歌词", &Form5::Button11Click},
        {"Button8", "Button1", "返        回", &Form5::Button1Click},
    };
    int left = 12;
    for (const Command& command : commands) {
        QPushButton* visible = DialogButton(command.visible, command.caption, this);
        visible->move(left, height() - 50);
        left += visible->width() + 12;
        QPushButton* twin = HiddenButton(command.twin, command.caption, hidden);
        connect(twin, &QPushButton::clicked, this, command.handler);
        connect(visible, &QPushButton::clicked, twin, &QPushButton::click);
    }
    showDetails();
}

QString Form5::lyricPath(int row) const { return LyricFilePath(*ListView_daoru_LRC, row); }

int Form5::selectedLyricRow() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return -1;
    const int row = rows.first().row();
    return row < ListView_daoru_LRC->rowCount() ? row : -1;
}

void Form5::selectLyricRow(int row) {
    if (row < 0 || row >= ListView_daoru_LRC->rowCount()) {
        view_->clearSelection();
        return;
    }
    view_->selectRow(row);
    ListView_daoru_LRCClick();
}

void Form5::showEvent(QShowEvent* event) {
    showDetails();  // the main window may have emptied the fields
    Window::showEvent(event);
}

// ---- 添加歌词

void Form5::Button2Click() {
    QString preset;
    AppState& state = Windows::get<Form2>()->state();
    if (state.Edit_geci_dakai_1ci == "0") {
        if (QFileInfo::exists(SampleLyricFile())) preset = SampleLyricFile();
        state.Edit_geci_dakai_1ci = "1";
    }
    const QStringList files = Desktop::current().chooseFiles(this, "添加歌词", kLyricFilter, preset, true);
    if (files.isEmpty()) return;
    OpenDialog_daoru_Files = files;
    Form13* progress = Windows::get<Form13>();
    progress->runJob("添加歌词", int(files.size()), progress->Timer_tianjia_geci);
}

// ---- 删除歌词, 全部删除

void Form5::Button3Click() {
    if (ListView_daoru_LRC->rowCount() == 0) return ShowMessage(kNoLyrics);
    if (!AskQuestion(kDeleteTitle, "是否确定要删除当前选中的歌词文件?")) return;
    const int row = selectedLyricRow();
    if (row < 0) return ShowMessage(kNoneSelected);
    DeleteLyricFile(*ListView_daoru_LRC, *ListView_geci_shezhi_canshu, row);
    if (selectedLyricRow() < 0) ShowMessage("选中的歌词文件已经删除！");
    clearDetails();
}

void Form5::Button4Click() {
    if (ListView_daoru_LRC->rowCount() == 0) return ShowMessage(kNoLyrics);
    if (!AskQuestion(kDeleteTitle, "是否确定要删除全部歌词文件?")) return;
    DeleteAllLyricFiles(*ListView_daoru_LRC, *ListView_geci_shezhi_canshu);
    ShowMessage("歌词文件已经全部删除！");
    clearDetails();
}

// ---- 歌词预览, 设置歌词

void Form5::Button10Click() { Windows::get<Form2>()->ListView_daoru_geciDblClick(); }

void Form5::Button11Click() {
    if (ListView_daoru_LRC->rowCount() == 0) return ShowMessage(kNoLyrics);
    const int row = selectedLyricRow();
    if (row < 0) return ShowMessage(kNoneSelected);
    Windows::get<Form23>()->editRecord(row);
}

void Form5::Button1Click() { accept(); }

// ---- Details

void Form5::ListView_daoru_LRCClick() {
    const int row = selectedLyricRow();
    if (row < 0) return clearDetails();
    const TextTable& files = *ListView_daoru_LRC;
    Edit_xuhao = files.cell(row, LyricFileColumn::kCaption);
    Edit_mingcheng = files.cell(row, LyricFileColumn::kName);
    Edit_geshi = files.cell(row, LyricFileColumn::kType);
    Edit_weizhi = files.cell(row, LyricFileColumn::kPath);
    showDetails();
}

void Form5::clearDetails() {
    for (QString* field : {&Edit_xuhao, &Edit_mingcheng, &Edit_geshi, &Edit_weizhi}) field->clear();
    showDetails();
}

void Form5::showDetails() {
    details_->setText(QStringLiteral("序号：%1\n\n歌词名称：%2\n\n类型：%3\n\n位置：%4")
                          .arg(Edit_xuhao, Edit_mingcheng, Edit_geshi, Edit_weizhi));
}
