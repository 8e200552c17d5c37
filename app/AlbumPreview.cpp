#include "app/AlbumPreview.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>

#include "app/AppState.h"
#include "app/Form13.h"
#include "app/Form3.h"
#include "app/Messages.h"
#include "app/Program.h"
#include "photos/PhotoTable.h"
#include "production/MakingWords.h"
#include "platform/Events.h"
#include "platform/FlashPlayer.h"
#include "platform/FolderWipe.h"
#include "platform/Jpeg.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "templates/Form12.h"
#include "templates/FrameClock.h"
#include "templates/LibraryFolders.h"
#include "templates/PreviewFolders.h"

namespace {
const QString kPlayerName = QStringLiteral("ShockwaveFlash_2_bofang");
const QString kNoPlayableTemplate = QStringLiteral("没有照片匹配已完成的模板,无法播放相册！");
// Longest wait for the working folders to vanish when the preview stops.
constexpr int kWipeWaitMs = 3000;
// How often the music timer looks at the song: often enough for a lyric line to appear
// within a frame of its time.
constexpr int kMusicIntervalMs = 10;

int Rows(const char* window, const char* table) {
    Window* w = Windows::find(window);
    const TextTable* t = w ? w->table(table) : nullptr;
    return t ? t->rowCount() : 0;
}

TextTable* TableOf(const char* window, const char* table) {
    Window* w = Windows::find(window);
    return w ? w->table(table) : nullptr;
}

bool Checked(const char* window, const char* radio) {
    Window* w = Windows::find(window);
    const QRadioButton* button = w ? w->findChild<QRadioButton*>(radio) : nullptr;
    return button && button->isChecked();
}

int Number(const QString& text) { return text.toInt(); }

// A loaded movie must answer the movie marker, or the program ends. A movie that does is
// stepped once to its end and back to its first frame, stopped there.
bool CheckAndRewind(FlashPlayer& player) {
    if (player.GetVariable(MakingWord::kMovieMarkerVariable) != MakingWord::kMovieMarkerValue) {
        Program::end();
        return false;
    }
    player.setFrameNum(0);
    player.setFrameNum(player.TotalFrames());
    player.setFrameNum(0);
    player.Stop();
    return true;
}

}  // namespace

AlbumPreview::AlbumPreview(Window& main, AppState& state, const Controls& controls)
    : QObject(&main), main_(main), state_(state), controls_(controls), clock_(SteadyClock()) {
    Timer_bofang = new Timer(&main, 1, [this] { Timer_bofangTimer(); });
    Timer_bofang->setObjectName("Timer_bofang");
    Timer_bofang_yinyue = new Timer(&main, kMusicIntervalMs, [this] { Timer_bofang_yinyueTimer(); });
    Timer_bofang_yinyue->setObjectName("Timer_bofang_yinyue");
    Timer_bofang_zuihou = new Timer(&main, 1, [this] { Timer_bofang_zuihouTimer(); });
    Timer_bofang_zuihou->setObjectName("Timer_bofang_zuihou");
    ScrollBox_bofang = new QWidget(&main);
    ScrollBox_bofang->setObjectName("ScrollBox_bofang");
    ScrollBox_bofang->hide();
}

bool AlbumPreview::stopped() const { return state_.Edit_tuichu != StateWord::kPlaying; }
bool AlbumPreview::templateMode() const { return Checked("Form7", "RadioButton_moban_tongbu"); }

int AlbumPreview::playingOrderRow(int position) const {
    const TextTable* order = TableOf("Form2", "ListBox_yijing_wancheng_shiyongmoban_hanghao");
    return order ? Number(order->cell(position, 0)) : 0;
}

void AlbumPreview::setPlayButtonsEnabled(bool play, bool stop) {
    for (const char* name : {"Button33", "suiButton17"})
        if (auto* button = main_.findChild<QAbstractButton*>(name)) button->setEnabled(play);
    for (const char* name : {"Button26", "suiButton18"})
        if (auto* button = main_.findChild<QAbstractButton*>(name)) button->setEnabled(stop);
}

void AlbumPreview::showDefaultPicture() {
    controls_.picture->setPixmap(controls_.defaultPicture->pixmap());
    controls_.picture->move(0, 0);
}

// ---- Start.

// The refusals before anything happens.
bool AlbumPreview::checkAlbum() {
    if (Rows("Form3", "ListView_daoru_zhaopian") == 0) {
        ShowMessage("没有添加照片文件！");
        return false;
    }
    if (!templateMode() && Rows("Form4", "ListView_daoru_yinyue") == 0) {
        ShowMessage("没有找到音乐文件！使用随音乐文件同步,至少添加一个音乐文件！");
        return false;
    }
    if (Rows("Form8", "ListView_moban_shiyong") == 0) {
        ShowMessage("没有添加模板文件！");
        return false;
    }
    return true;
}

// Photos not yet placed: the question, and on "yes" the matching job and the build.
// Answers true when every photo is placed, so the start goes on.
bool AlbumPreview::matchWaitingPhotos() {
    const TextTable* photos = TableOf("Form3", "ListView_daoru_zhaopian");
    const int waiting = photos ? CountWaitingPhotos(*photos) : 0;
    if (waiting == 0) return true;
    const QString question =
        "有 " + QString::number(waiting) + " 张照片没有与模板匹配,是否自动完成照片与模板的匹配?";
    if (!AskQuestion("自动完成", question)) return false;
    Form13* progress = Windows::get<Form13>();
    const int chosen = int(Windows::get<Form3>()->chosenFiles().size());
    progress->runJob("自动匹配模板", 2 * chosen, progress->findChild<Timer*>("Timer_zidong_zhaopian_yu_moban_pipei"));
    buildFolders();
    return false;
}

// The preview build on Form12. Answers whether playing can go on: the build succeeded and
// left at least one template to play.
bool AlbumPreview::buildFolders() {
    Form12* builder = Windows::get<Form12>();
    builder->ProgressBar_yulan_quanbu_moban->setRange(0, 0);
    builder->ProgressBar_yulan_quanbu_moban->setValue(0);
    builder->Timer_yulan_peizhi_wenjian->setEnabled(true);
    builder->showModal();
    // A window closed from outside (a time limit) stops the build before it starts.
    builder->Timer_yulan_peizhi_wenjian->setEnabled(false);
    const PreviewBuildResult& build = builder->lastBuild();
    if (!build.ok) {
        ShowMessage(build.error);
        return false;
    }
    if (!build.unreadableMessage().isEmpty()) ShowMessage(build.unreadableMessage());
    if (Rows("Form2", "ListBox_yijing_wancheng_shiyongmoban_hanghao") == 0) {
        ShowMessage(kNoPlayableTemplate);
        return false;
    }
    return true;
}

void AlbumPreview::Button17Click() {
    if (!checkAlbum()) return;
    state_.Edit_hangshu = StateWord::kNone;
    showDefaultPicture();
    if (!matchWaitingPhotos()) return;
    if (!buildFolders()) return;

    state_.Edit_tuichu = StateWord::kPlaying;
    setPlayButtonsEnabled(false, false);
    state_.Edit_zong_leijia_zhen = "0";
    controls_.elapsed->setText("00:00:00");
    controls_.total->setText("00:00:00");
    state_.Edit_sui_yinyue_shijian = "0";
    if (templateMode()) {
        const TextTable* used = TableOf("Form8", "ListView_moban_shiyong");
        const TextTable* parameters = TableOf("Form2", "ListView_mobancanshu");
        if (used && parameters) controls_.total->setText(TotalTimeLabel(CompletedTemplateFrames(*used, *parameters)));
    }

    state_.Edit_moban_hanghao_leijia = "0";
    const int row = playingOrderRow(0);
    QFile::remove(PreviewLayout::HandOverPicture());
    QFile::copy(PreviewLayout::TemplateBackground(row + 1), PreviewLayout::HandOverPicture());
    LoadPreviewMovie(row);
    if (Program::ended()) return;

    startMusic();

    state_.Edit_moban_zhen_leijia = "-1";
    pacer_.start(clock_());
    Timer_bofang->setInterval(1);
    Timer_bofang->setEnabled(true);
    setPlayButtonsEnabled(false, true);
}

// ---- The player.

void AlbumPreview::freePlayer() {
    delete ShockwaveFlash_2_bofang;
    ShockwaveFlash_2_bofang = nullptr;
}

void AlbumPreview::LoadPreviewMovie(int row) {
    state_.Edit_ShockwaveFlash_bofang = "0";
    freePlayer();
    // The box lies outside the window but for one pixel: the movie itself is never seen,
    // the photo area shows copies of its frames.
    const QSize area = controls_.photoArea->size();
    ScrollBox_bofang->setGeometry(main_.width() - 1, 1 - area.height(), area.width(), area.height());
    ScrollBox_bofang->show();
    ScrollBox_bofang->raise();
    auto* player = new FlashPlayer(ScrollBox_bofang, kPlayerName);
    ShockwaveFlash_2_bofang = player;
    player->setGeometry(0, 0, area.width(), area.height());
    player->hide();
    player->show();
    player->setFocus();

    const QString movie = PreviewLayout::TemplateMovie(row + 1, state_.Edit_kuozhanming_1);
    if (!QFile::exists(movie)) return;
    player->setMovie(movie);
    if (!CheckAndRewind(*player)) return;
}

// ---- Frames.

// Shows the frame due now of the movie in the player. Answers whether the movie has shown
// its last frame (a player without a movie has none to show).
bool AlbumPreview::stepFrame() {
    FlashPlayer* player = ShockwaveFlash_2_bofang;
    const int total = player ? player->TotalFrames() : 0;
    if (total == 0) return true;
    const qint64 next = Number(state_.Edit_zong_leijia_zhen);
    const qint64 due = pacer_.dueFrame(clock_());
    if (due < next) return false;
    const int current = Number(state_.Edit_moban_zhen_leijia);
    const int target = int(qMin<qint64>(current + (due - next) + 1, total - 1));
    state_.Edit_moban_zhen_leijia = QString::number(target);
    player->setFrameNum(target);
    controls_.picture->setPixmap(QPixmap::fromImage(player->paintFrame()));
    state_.Edit_zong_leijia_zhen = QString::number(next + (target - current));
    Edit_zong_leijia_zhenChange();
    return target + 1 == total;
}

// The timer fires again when the next frame is due.
void AlbumPreview::scheduleNext(Timer* timer) {
    if (!timer->enabled()) return;
    const qint64 wait = pacer_.msUntil(Number(state_.Edit_zong_leijia_zhen), clock_());
    timer->setInterval(int(qBound(qint64(1), wait, qint64(1000))));
}

void AlbumPreview::Timer_bofangTimer() {
    if (stepFrame()) finishTemplate();
    else scheduleNext(Timer_bofang);
}

void AlbumPreview::Edit_zong_leijia_zhenChange() {
    if (templateMode()) controls_.elapsed->setText(FramesToClock(Number(state_.Edit_zong_leijia_zhen)));
}

// The template has shown its last frame: the next template from its last picture, or the
// closing movie.
void AlbumPreview::finishTemplate() {
    Timer_bofang->setEnabled(false);
    state_.Edit_moban_zhen_leijia = "-1";
    const int position = Number(state_.Edit_moban_hanghao_leijia) + 1;
    state_.Edit_moban_hanghao_leijia = QString::number(position);
    if (position >= Rows("Form2", "ListBox_yijing_wancheng_shiyongmoban_hanghao")) {
        // In music mode the pictures stay on the last frame; music and lyrics go on.
        if (!templateMode()) return;
        if (!saveHandOver()) return;
        startClosing();
        return;
    }
    if (!saveHandOver()) return;
    LoadPreviewMovie(playingOrderRow(position));
    if (Program::ended()) return;
    Timer_bofang->setEnabled(true);
    scheduleNext(Timer_bofang);
}

// Saves the frame shown as the hand-over picture and waits for the file. Answers false
// when the preview was stopped meanwhile.
bool AlbumPreview::saveHandOver() {
    const QString picture = PreviewLayout::HandOverPicture();
    QImage frame = ShockwaveFlash_2_bofang ? ShockwaveFlash_2_bofang->paintFrame() : QImage();
    if (frame.isNull()) frame = controls_.picture->pixmap().toImage();
    WriteJpeg(frame, picture);
    const bool there = waitUntil([&] { return QFile::exists(picture) || stopped(); }, kHandOverWaitMs);
    if (stopped()) return false;
    if (!there) ShowMessage("无法保存过渡图片文件: " + picture);
    return !stopped();
}

void AlbumPreview::startClosing() {
    const QString closing = PreviewLayout::ClosingMovie(state_.Edit_kuozhanming_1);
    FlashPlayer* player = ShockwaveFlash_2_bofang;
    // Without a closing movie the album ends with its last template.
    if (!player || !QFile::exists(closing)) return endAlbum();
    player->setMovie(closing);
    player->Stop();
    state_.Edit_wancheng.clear();
    if (!CheckAndRewind(*player)) return;
    Timer_bofang_zuihou->setInterval(1);
    Timer_bofang_zuihou->setEnabled(true);
    scheduleNext(Timer_bofang_zuihou);
}

void AlbumPreview::Timer_bofang_zuihouTimer() {
    if (stepFrame()) endAlbum();
    else scheduleNext(Timer_bofang_zuihou);
}

// The album has played to its end: back to idle; the working folders stay until Stop.
void AlbumPreview::endAlbum() {
    Timer_bofang_yinyue->setEnabled(false);
    Timer_bofang_zuihou->setEnabled(false);
    Timer_bofang->setEnabled(false);
    state_.Edit_tuichu = StateWord::kStopped;
    stopMusic();
    controls_.lyricLine->clear();
    controls_.lyricLine2->clear();
    controls_.elapsed->setText("00:00:00");
    state_.Edit_hangshu = StateWord::kNone;
    showDefaultPicture();
    setPlayButtonsEnabled(true, true);
    if (state_.Edit_ShockwaveFlash_bofang == "0") {
        freePlayer();
        state_.Edit_ShockwaveFlash_bofang = "1";
    }
}

// ---- Stop.

void AlbumPreview::Button18Click() {
    state_.Edit_tuichu = StateWord::kStopped;
    setPlayButtonsEnabled(false, false);
    Timer_bofang->setEnabled(false);
    Timer_bofang_yinyue->setEnabled(false);
    Timer_bofang_zuihou->setEnabled(false);
    stopMusic();

    const QString work = Folders::PreviewWork();
    waitUntil([&work] {
        WipeFolder(work);
        return !QFile::exists(work);
    }, kWipeWaitMs);

    controls_.lyricLine->clear();
    controls_.lyricLine2->clear();
    state_.Edit_hangshu = StateWord::kNone;
    controls_.elapsed->setText("00:00:00");
    showDefaultPicture();
    setPlayButtonsEnabled(true, true);
    if (state_.Edit_ShockwaveFlash_bofang == "0") {
        freePlayer();
        state_.Edit_ShockwaveFlash_bofang = "1";
    }
}
