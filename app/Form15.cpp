#include "app/Form15.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/DialogParts.h"
#include "app/Form2.h"
#include "app/Form4.h"
#include "app/Messages.h"
#include "media/MusicTable.h"
#include "platform/CaptionBar.h"
#include "platform/MusicPlayer.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"

namespace {
// The lookups work on whole seconds, so any tick well below a second shows the same; 20 ms
// keeps the line prompt without spinning a core.
constexpr int kClockTickMs = 20;

const QString kNoMusicChosenMessage = QStringLiteral("没有选择音乐文件！");
const QString kNoLyricsChosenMessage = QStringLiteral("没有选择歌词文件！");

MusicPlayer& Player() { return Windows::get<Form2>()->musicPlayer(); }
TextTable& Music() { return Windows::get<Form4>()->musicTable(); }

QLabel* ClockLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel("00:00", parent);
    label->setObjectName(name);
    label->setStyleSheet("color: yellow; font-weight: bold;");
    return label;
}

QComboBox* PickList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    return list;
}
}  // namespace

Form15::Form15(QWidget* parent) : Window("Form15", "音乐歌词预览", parent) {
    resize(720, 520);
    SkinSmallWindow(this);
    bindField("Edit_yinyue_geci_kaiguan", &Edit_yinyue_geci_kaiguan);
    bindField("Edit_shijian_lrc_num", &Edit_shijian_lrc_num);

    Panel_LRC = new QWidget(this);
    Panel_LRC->setObjectName("Panel_LRC");
    Panel_LRC->setGeometry(20, 44, 679, 390);
    Panel_LRC->setAutoFillBackground(true);
    QPalette dark = Panel_LRC->palette();
    dark.setColor(QPalette::Window, QColor(55, 55, 55));
    Panel_LRC->setPalette(dark);
    Label_LRC = new QLabel(Panel_LRC);
    Label_LRC->setObjectName("Label_LRC");
    Label_LRC->setFont(QFont("宋体", 14));
    Label_LRC->setStyleSheet("color: white; background: transparent;");
    Label_LRC->setAttribute(Qt::WA_TranslucentBackground);
    Label_LRC->setGeometry(0, 335, 679, 24);

    const int bar = 446;
    // The yellow clocks sit on a dark strip of the screen's colour, where they read well.
    auto* clockStrip = new QWidget(this);
    clockStrip->setGeometry(20, bar, 104, 24);
    clockStrip->setAutoFillBackground(true);
    clockStrip->setPalette(dark);
    Label_dangqianshijian = ClockLabel("Label_dangqianshijian", this);
    Label_dangqianshijian->setGeometry(24, bar, 44, 24);
    auto* separator = new QLabel("|", this);
    separator->setStyleSheet("color: yellow; font-weight: bold;");
    separator->setGeometry(68, bar, 8, 24);
    Label_xianshi_zongshijian = ClockLabel("Label_xianshi_zongshijian", this);
    Label_xianshi_zongshijian->setGeometry(78, bar, 44, 24);

    auto* musicCaption = new QLabel("音乐文件", this);
    musicCaption->setGeometry(132, bar, 56, 24);
    ComboBox_yinyue = PickList("ComboBox_yinyue", this);
    ComboBox_yinyue->setGeometry(188, bar, 200, 24);
    auto* lyricCaption = new QLabel("歌词文件", this);
    lyricCaption->setGeometry(400, bar, 56, 24);
    ComboBox_geci = PickList("ComboBox_geci", this);
    ComboBox_geci->setGeometry(456, bar, 243, 24);
    connect(ComboBox_yinyue, &QComboBox::currentIndexChanged, this, &Form15::ComboBox_yinyueChange);
    connect(ComboBox_geci, &QComboBox::currentIndexChanged, this, &Form15::ComboBox_geciChange);

    struct Command {
        const char* name;
        const char* caption;
        void (Form15::*handler)();
    };
    const Command commands[] = {
        {"Button1", "播放音乐", &Form15::Button1Click},
        {"Button2", "停止播放", &Form15::Button2Click},
        {"Button3", "返回", &Form15::Button3Click},
    };
    int left = 20;
    for (const Command& command : commands) {
        QPushButton* button = DialogButton(command.name, command.caption, this);
        button->move(left, height() - 42);
        left += button->width() + 12;
        connect(button, &QPushButton::clicked, this, command.handler);
    }

    Timer_xianshi_yinyue_dangqian_shijian =
        new Timer(this, kClockTickMs, [this] { Timer_xianshi_yinyue_dangqian_shijianTimer(); });
    Timer_xianshi_yinyue_dangqian_shijian->setObjectName("Timer_xianshi_yinyue_dangqian_shijian");
}

bool Form15::playing() const { return Timer_xianshi_yinyue_dangqian_shijian->enabled(); }

// ---- Opening

void Form15::openPreview(const QString& mode) {
    Edit_yinyue_geci_kaiguan = mode;
    const TextTable& music = Music();
    if (music.rowCount() == 0) return ShowMessage(kNoMusicMessage);
    {
        // Refilling is no pick: the change handlers stay quiet meanwhile.
        const QSignalBlocker quietMusic(ComboBox_yinyue);
        const QSignalBlocker quietLyrics(ComboBox_geci);
        ComboBox_yinyue->clear();
        for (int row = 0; row < music.rowCount(); ++row) ComboBox_yinyue->addItem(MusicName(music, row));
        ComboBox_yinyue->setCurrentIndex(-1);
        ComboBox_geci->clear();
        ComboBox_geci->addItems(lyricNames());
        ComboBox_geci->setCurrentIndex(-1);
    }
    Label_dangqianshijian->setText("00:00");
    Label_xianshi_zongshijian->setText("00:00");
    Label_LRC->clear();
    showModal();
}

// ---- Picking

void Form15::ComboBox_yinyueChange() {
    const int row = ComboBox_yinyue->currentIndex();
    if (playing() || row < 0) return;
    QString error;
    if (!SwitchMusic(Player(), MusicPath(Music(), row), false, error)) return ShowMessage(error);
    Label_xianshi_zongshijian->setText(clockText(Player().Length()));
}

void Form15::ComboBox_geciChange() {
    const int index = ComboBox_geci->currentIndex();
    if (playing() || index < 0) return;
    Edit_shijian_lrc_num = QString::number(index);
    QString error;
    if (!loadPickedLyrics(index, error)) ShowMessage(error);
}

// ---- 播放音乐, 停止播放, 返回

void Form15::Button1Click() {
    if (playing()) return;
    const bool musicChosen = !ComboBox_yinyue->currentText().isEmpty();
    if (Edit_yinyue_geci_kaiguan == kLyricPreviewMode) {
        if (ComboBox_geci->currentText().isEmpty()) return ShowMessage(kNoLyricsChosenMessage);
        if (Music().rowCount() > 0 && !musicChosen) return ShowMessage(kNoMusicChosenMessage);
    } else if (!musicChosen) {
        return ShowMessage(kNoMusicChosenMessage);
    }
    QString error;
    if (!SwitchMusic(Player(), MusicPath(Music(), ComboBox_yinyue->currentIndex()), true, error))
        return ShowMessage(error);
    Label_xianshi_zongshijian->setText(clockText(Player().Length()));
    setListsLocked(true);
    Timer_xianshi_yinyue_dangqian_shijian->setEnabled(true);
}

void Form15::Button2Click() { stopPlaying(); }

void Form15::Button3Click() {
    stopPlaying();
    accept();
}

void Form15::reject() {
    stopPlaying();
    Window::reject();
}

void Form15::stopPlaying() {
    Timer_xianshi_yinyue_dangqian_shijian->setEnabled(false);
    setListsLocked(false);
    Label_LRC->clear();
    Label_dangqianshijian->setText("00:00");
    MusicPlayer& player = Player();
    if (!player.FileName().isEmpty()) player.Stop();
    player.SetFileName(QString());
}

void Form15::setListsLocked(bool locked) {
    ComboBox_yinyue->setEnabled(!locked);
    ComboBox_geci->setEnabled(!locked);
}

// ---- The clock

void Form15::Timer_xianshi_yinyue_dangqian_shijianTimer() {
    MusicPlayer& player = Player();
    if (Music().rowCount() > 0) Label_dangqianshijian->setText(clockText(player.Position()));
    showLyricLine(Label_dangqianshijian->text());
    if (player.Mode() == MusicMode::Stopped) stopPlaying();
}
