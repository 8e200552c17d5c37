#include "app/Form4.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "app/DialogParts.h"
#include "app/Form13.h"
#include "app/Form15.h"
#include "app/Form2.h"
#include "app/Messages.h"
#include "media/MusicTable.h"
#include "platform/CaptionBar.h"
#include "platform/Desktop.h"
#include "platform/TextTable.h"
#include "platform/TextTableModel.h"
#include "templates/LibraryFolders.h"

namespace {
// The file dialog's filter: MP3 files, however the extension is spelled.
const QString kMusicFilter = QStringLiteral("添加音乐文件(MP3) (*.mp3 *.MP3 *.Mp3)");
}  // namespace

Form4::Form4(QWidget* parent) : Window("Form4", "添加音乐", parent) {
    resize(800, 560);
    SkinSmallWindow(this);

    ListView_daoru_yinyue = addTable("ListView_daoru_yinyue", MusicTableCaptions());
    for (auto [name, field] : {std::pair{"Edit_xuhao", &Edit_xuhao}, {"Edit_mingcheng", &Edit_mingcheng},
                               {"Edit_geshi", &Edit_geshi}, {"Edit_shichang", &Edit_shichang},
                               {"Edit_weizhi", &Edit_weizhi}})
        bindField(name, field);

    musicView_ = new QTableView(this);
    musicView_->setObjectName("ListView_daoru_yinyue");
    musicView_->setModel(new TextTableModel(ListView_daoru_yinyue, musicView_));
    musicView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    musicView_->setSelectionMode(QAbstractItemView::SingleSelection);
    musicView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    musicView_->verticalHeader()->hide();
    musicView_->horizontalHeader()->setStretchLastSection(true);
    musicView_->setGeometry(12, 50, 520, 440);
    musicView_->setColumnWidth(MusicColumn::kCaption, 44);
    musicView_->setColumnWidth(MusicColumn::kName, 150);
    musicView_->setColumnWidth(MusicColumn::kFormat, 50);
    musicView_->setColumnWidth(MusicColumn::kDuration, 80);
    connect(musicView_, &QTableView::clicked, this, &Form4::ListView_daoru_yinyueClick);

    // The read-only detail panel: one caption and box per column of the table.
    const QStringList captions = MusicTableCaptions();
    for (int i = 0; i < 5; ++i) {
        auto* caption = new QLabel(captions[i] + "：", this);
        caption->setGeometry(548, 56 + 44 * i, 80, 24);
        detailBoxes_[i] = new QLineEdit(this);
        detailBoxes_[i]->setReadOnly(true);
        detailBoxes_[i]->setGeometry(628, 56 + 44 * i, 160, 24);
    }

    // Visible buttons forward to the hidden twins that carry the commands.
    QWidget* hidden = HiddenButtonBox(this);
    struct Command {
        const char* visible;
        const char* twin;
        const char* caption;
        void (Form4::*handler)();
    };
    const Command commands[] = {
        {"Button6", "Button2", "添加音乐", &Form4::Button2Click},
        {"Button7", "Button3", "删除音乐", &Form4::Button3Click},
        {"Button8", "Button4", "全部删除", &Form4::Button4Click},
        {"Button9", "Button5", "音乐预览", &Form4::Button5Click},
        {"Button10", "Button1", "返    回", &Form4::Button1Click},
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
}

void Form4::showEvent(QShowEvent* event) {
    showDetail();  // the main window empties the fields before it shows this window
    Window::showEvent(event);
}

int Form4::selectedMusicRow() const {
    const QModelIndexList rows = musicView_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return -1;
    const int row = rows.first().row();
    return row < ListView_daoru_yinyue->rowCount() ? row : -1;
}

void Form4::selectMusicRow(int row) {
    if (row < 0 || row >= ListView_daoru_yinyue->rowCount()) {
        musicView_->clearSelection();
        return;
    }
    musicView_->selectRow(row);
}

// ---- The detail panel

void Form4::ListView_daoru_yinyueClick() {
    const int row = selectedMusicRow();
    if (row < 0) return clearDetail();
    const TextTable& music = *ListView_daoru_yinyue;
    Edit_xuhao = music.cell(row, MusicColumn::kCaption);
    Edit_mingcheng = music.cell(row, MusicColumn::kName);
    Edit_geshi = music.cell(row, MusicColumn::kFormat);
    Edit_shichang = music.cell(row, MusicColumn::kDuration);
    Edit_weizhi = music.cell(row, MusicColumn::kPath);
    showDetail();
}

void Form4::clearDetail() {
    for (QString* field : {&Edit_xuhao, &Edit_mingcheng, &Edit_geshi, &Edit_shichang, &Edit_weizhi})
        field->clear();
    showDetail();
}

void Form4::showDetail() {
    const QString* fields[5] = {&Edit_xuhao, &Edit_mingcheng, &Edit_geshi, &Edit_shichang, &Edit_weizhi};
    for (int i = 0; i < 5; ++i) detailBoxes_[i]->setText(*fields[i]);
}

// ---- 添加音乐

void Form4::Button2Click() {
    // The sample song is offered once, on the first opening after the program started.
    AppState& state = Windows::get<Form2>()->state();
    QString preset;
    if (state.Edit_yinyue_dakai_1ci == "0") {
        if (QFileInfo(Folders::SampleSong()).isFile()) preset = Folders::SampleSong();
        state.Edit_yinyue_dakai_1ci = "1";
    }
    const QStringList files = Desktop::current().chooseFiles(this, "添加音乐", kMusicFilter, preset, true);
    if (files.isEmpty()) return;
    OpenDialog_yinyue_Files = files;
    Form13* progress = Windows::get<Form13>();
    progress->runJob("添加音乐", int(files.size()), progress->Timer_daoru_yinyue);
}

// ---- 删除音乐, 全部删除

void Form4::Button3Click() {
    TextTable& music = *ListView_daoru_yinyue;
    if (music.rowCount() == 0) return ShowMessage(kNoMusicMessage);
    const int row = selectedMusicRow();
    if (!AskQuestion(kDeleteMusicTitle, kDeleteMusicQuestion)) return;
    if (row < 0) return ShowMessage(kNoMusicSelectedMessage);
    music.removeRow(row);
    if (selectedMusicRow() < 0) ShowMessage(kMusicDeletedMessage);
    RenumberMusic(music);
    clearDetail();
}

void Form4::Button4Click() {
    TextTable& music = *ListView_daoru_yinyue;
    if (music.rowCount() == 0) return ShowMessage(kNoMusicMessage);
    if (!AskQuestion(kDeleteMusicTitle, kDeleteAllMusicQuestion)) return;
    music.clear();
    ShowMessage(kAllMusicDeletedMessage);
    clearDetail();
}

// ---- 音乐预览, 返回

void Form4::Button5Click() { Windows::get<Form15>()->openPreview(kMusicPreviewMode); }

void Form4::Button1Click() { accept(); }
