// Form25: preparing a making (plans, output size, working folders) and the frame path
// (movies, frames, template switching, lyric clock).

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include "app/Form25.h"
#include "app/Form25Lyrics.h"
#include "app/Form2.h"
#include "app/Messages.h"
#include "app/Program.h"
#include "photos/SlotTable.h"
#include "platform/ConversionSongs.h"
#include "platform/Events.h"
#include "platform/FlashPlayer.h"
#include "platform/FolderWipe.h"
#include "platform/Jpeg.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "production/MakingPlan.h"
#include "production/MakingWords.h"
#include "app/PreviewBuild.h"
#include "templates/Container.h"
#include "templates/Form12.h"
#include "templates/PreviewFolders.h"
#include "templates/LibraryFolders.h"
#include "templates/TemplateTables.h"

namespace {

// How long a loaded movie may take to start playing.
constexpr int kMovieStartLimitMs = 5000;


TextTable* TableOf(const char* window, const char* table) {
    Window* w = Windows::find(window);
    return w ? w->table(table) : nullptr;
}


QString MovieExtension() {
    Form2* main = Windows::get<Form2>();
    return main ? main->state().Edit_kuozhanming_1 : QStringLiteral(".rar");
}

}  // namespace


int Form25::planPosition() const { return Edit_moban_hanghao_leijia.toInt(); }

// The 0-based working folder of plan position `position`.
int Form25::folderOfPosition(int position) const {
    Form2* main = Windows::get<Form2>();
    const int planRow = ListBox_duiying_keyong_hanghao->cell(position, 0).toInt();
    return main ? main->ListBox_yijing_wancheng_shiyongmoban_hanghao->cell(planRow, 0).toInt() : planRow;
}

QString Form25::templateMoviePath(int folderIndex) const {
    return PreviewLayout::TemplateMovie(folderIndex + 1, MovieExtension());
}

void Form25::createPlayer() {
    delete ShockwaveFlash1;
    ShockwaveFlash1 = new FlashPlayer(ScrollBox_moban, "ShockwaveFlash1");
    ShockwaveFlash1->setGeometry(0, 0, Edit_Falsh_Width.toInt() > 0 ? Edit_Falsh_Width.toInt() : 1920,
                                 Edit_Falsh_Height.toInt() > 0 ? Edit_Falsh_Height.toInt() : 1080);
    ShockwaveFlash1->show();
    Label_LRC->raise();
}

void Form25::PrepareAlbum() {
    Timer_zhizuo_xiangce->setEnabled(false);
    AbortConversion();
    ListView_xuyao_shiyongmoban_shuliang->clear();
    ListView_xuyao_yinyue_shuliang->clear();
    Edit_wancheng_fail.clear();
    createPlayer();
    Edit_dongtaichuangjian_Flash_kaiguan = MakingWord::kPlayerCreated;
    ListBox_cuowu_yichang_xianshi->clear();
    ListBox_jiazai_FLASH_xianshi->clear();
    Edit_tuichu = MakingWord::kPreparing;

    Form2* main = Windows::get<Form2>();
    if (!main || main->state().Edit_mcl_caozuo_leixing != MakingWord::kMakeAlbumJob)
        return;

    // The template plan and the total.
    if (const TextTable* used = TableOf("Form8", "ListView_moban_shiyong"))
        ListView_xuyao_shiyongmoban_shuliang->setRows(BuildTemplatePlan(*used));
    if (ListView_xuyao_shiyongmoban_shuliang->rowCount() == 0) {
        FailMaking("没有完成照片匹配的模板,无法制作相册！");
        return;
    }
    const qint64 total = PlannedFrames(*ListView_xuyao_shiyongmoban_shuliang, *main->ListView_mobancanshu);

    // The music plan: each song measured once, then laid under the album.
    if (const TextTable* music = TableOf("Form4", "ListView_daoru_yinyue"); music && music->rowCount() > 0) {
        QList<qint64> songFrames;
        for (int row = 0; row < music->rowCount(); ++row) {
            processPendingEvents();
            if (stopped())
                return;
            songFrames.append(SongFrames(SongLengthMs(music->cell(row, MusicPlanColumn::kPath))));
        }
        for (const SongPlanEntry& entry : PlanSongs(songFrames, total))
            ListView_xuyao_yinyue_shuliang->addRow(MusicPlanRow(*music, entry));
    }

    Edit_zhizuo_zongzhen_sum = QString::number(total);
    ListBox_duiying_keyong_hanghao->clear();
    for (int row = 0; row < ListView_xuyao_shiyongmoban_shuliang->rowCount(); ++row)
        if (ListView_xuyao_shiyongmoban_shuliang->cell(row, TemplatePlanColumn::kMatched) == kTemplateComplete)
            ListBox_duiying_keyong_hanghao->addRow({QString::number(row)});
    ApplyOutputSize();

    ProgressBar_tongyong_jindutiao->setRange(0, 3 * ListView_xuyao_shiyongmoban_shuliang->rowCount());
    ProgressBar_tongyong_jindutiao->setValue(0);
    ProgressBar_kaishi_zhizuo_xiangce->setRange(0, int(total));
    ProgressBar_kaishi_zhizuo_xiangce->setValue(0);

    if (!PrepareWorkingFolders()) {
        if (!stopped())
            FailMaking("无法建立制作相册的工作文件夹！");
        return;
    }

    Edit_tuichu = MakingWord::kProducing;
    Edit_zhizuo_zhenshu_leijia_sum = "0";
    Edit_moban_jietu_kaiguan = MakingWord::kOn;
    const QSize frameSize(Edit_Falsh_Width.toInt(), Edit_Falsh_Height.toInt());
    ScrollBox_moban->resize(frameSize);

    Edit_moban_hanghao_leijia = "0";
    const int first = folderOfPosition(0);
    QFile::remove(HandOverPicturePath());
    QFile::copy(PreviewLayout::TemplateBackground(first + 1), HandOverPicturePath());
    LoadTemplateMovie(first);
    if (stopped())
        return;

    // The first frame file: the empty black picture panel at the frame size.
    frame_ = QImage(frameSize, QImage::Format_RGB32);
    frame_.fill(Qt::black);
    movieFrame_ = QImage();
    frameLyric_.clear();
    if (!frame_.save(FrameFilePath(), "BMP")) {
        FailMaking("无法写入文件 " + QDir::toNativeSeparators(FrameFilePath()));
        return;
    }

    lyrics_->Clear();
    Edit_Lrc_geci_kaiguan = MakingWord::kOff;
    Edit_shijian_zhen_lrc = "0";
    Edit_shijian_lrc = "00:00";
    if (ListView_xuyao_yinyue_shuliang->rowCount() > 0) {
        Edit_yinyue_hanghao_leijia = "0";
        LoadSongLyrics(0);
    }
    RunConversion();
}

void Form25::ApplyOutputSize() {
    Window* form24 = Windows::find("Form24");
    const QString width = form24 ? form24->field("Edit_chicun_width") : QString();
    const QString height = form24 ? form24->field("Edit_chicun_height") : QString();
    Edit_Falsh_Width = Edit_Zhaopian_Width = width;
    Edit_Falsh_Height = Edit_Zhaopian_Height = height;
}

// The same folders the preview builds (templates/PreviewFolders.h), with the pictures made
// at the output frame size, so a large album shows its photos at full sharpness.
bool Form25::PrepareWorkingFolders() {
    Form2* main = Windows::get<Form2>();
    Form12* builder = Windows::get<Form12>();
    if (!main || !builder)
        return false;
    builder->setField("Edit_caozuo_xuanze", "yulan_zhujiemian_duiying_shiyongmoban");
    PreviewBuildOptions options = builder->previewOptions();
    options.area = QSize(Edit_Zhaopian_Width.toInt(), Edit_Zhaopian_Height.toInt());
    options.closingCopy = true;
    const QString stamp = TimeOfDayDigits();
    const QString ext = options.extension;
    options.intermediateName = [stamp, ext](int n, int pass) {
        if (n == 0)
            return Folders::TemplateWork() +
                   QStringLiteral("/25_wj_y_l_z_h_wj_y_l_z_h_0%1%2%3").arg(pass).arg(stamp, ext);
        return Folders::TemplateWork() +
               QStringLiteral("/25_wj_y_l_%1_wj_y_l_d_g_1%2%3%4").arg(n).arg(pass).arg(stamp, ext);
    };
    options.step = [this] {
        ProgressBar_tongyong_jindutiao->setValue(ProgressBar_tongyong_jindutiao->value() + 1);
        processPendingEvents();
    };
    const PreviewBuildResult built = BuildPreviewFolders(ProgramPreviewAlbum(), options, RendererPhotoPainter());
    TextTable& done = *main->ListBox_yijing_wancheng_shiyongmoban_hanghao;
    done.clear();
    for (int row : built.completedRows)
        done.addRow({QString::number(row)});
    if (!built.unreadablePhotos.isEmpty())
        LogProgress(built.unreadableMessage());
    if (!built.ok) {
        FailMaking(built.error);
        return false;
    }
    return !stopped();
}

// Loads `path` into the player with the marker check; a movie without the marker ends the
// program. Answers false when the making must end.
bool Form25::LoadMovie(const QString& path) {
    Edit_dangemoban_leijiazhen_num = "-1";
    ShockwaveFlash1->setMovie(path);
    if (ShockwaveFlash1->GetVariable(MakingWord::kMovieMarkerVariable) != MakingWord::kMovieMarkerValue) {
        Edit_tuichu = MakingWord::kStopped;
        AbortConversion();
        Program::end();
        return false;
    }
    ShockwaveFlash1->setFrameNum(0);
    ShockwaveFlash1->setFrameNum(ShockwaveFlash1->TotalFrames());
    ShockwaveFlash1->setFrameNum(0);
    ShockwaveFlash1->Stop();
    ShockwaveFlash1->Play();
    return waitForMovieStart();
}

// Waits until the movie plays (it has moved on a few frames), honouring the run word.
bool Form25::waitForMovieStart() {
    const int target = std::min(5, ShockwaveFlash1->TotalFrames() - 1);
    const bool started = waitUntil([&] { return stopped() || ShockwaveFlash1->FrameNum() >= target; },
                                   kMovieStartLimitMs);
    ShockwaveFlash1->Stop();
    if (stopped())
        return false;
    if (!started) {
        FailMaking("模板动画无法播放: " + QDir::toNativeSeparators(ShockwaveFlash1->Movie()));
        return false;
    }
    return true;
}

void Form25::LoadTemplateMovie(int folderIndex) {
    const int logged = ListBox_jiazai_FLASH_xianshi->rowCount();
    ListBox_jiazai_FLASH_xianshi->addRow({QString::number(logged + 1) + "B-卸载创建的FLASH完成！"});
    createPlayer();
    ShockwaveFlash1->setFocus();
    ListBox_jiazai_FLASH_xianshi->addRow({QString::number(logged + 2) + "B-创建FLASH控件完成！"});
    Edit_dangemoban_leijiazhen_num = "-1";
    const QString movie = templateMoviePath(folderIndex);
    if (QFile::exists(movie))
        LoadMovie(movie);
}

void Form25::LoadClosingMovie() {
    const QString ext = MovieExtension();
    if (QFile::exists(PreviewLayout::ClosingMovieCopy(ext))) {
        ShockwaveFlash1->setMovie(PreviewLayout::ClosingMovieCopy(ext));
        ShockwaveFlash1->Stop();
    }
    if (!QFile::exists(PreviewLayout::ClosingMovie(ext))) {
        ShockwaveFlash1->setMovie(QString());
        return;
    }
    LoadMovie(PreviewLayout::ClosingMovie(ext));
}

void Form25::RenderNextFrame() {
    Edit_Falsh_wuxiao_jiance02 = "1- " + QString::number(ShockwaveFlash1->TotalFrames());
    const qint64 produced = Edit_zhizuo_zhenshu_leijia_sum.toLongLong();
    const qint64 total = Edit_zhizuo_zongzhen_sum.toLongLong();

    // The next frame: the movie's next picture while a movie plays, its last one after the
    // closing movie has ended, with the lyric line as it stands now. A frame that would be
    // the same as the last one is not handed over again.
    bool changed = false;
    if (Edit_moban_jietu_kaiguan == MakingWord::kOn) {
        const int frameNum = Edit_dangemoban_leijiazhen_num.toInt() + 1;
        Edit_dangemoban_leijiazhen_num = QString::number(frameNum);
        ShockwaveFlash1->setFrameNum(frameNum);
        movieFrame_ = ShockwaveFlash1->paintFrame();
        changed = true;
    }
    const QString lyricShown = lyrics_->visible && lyrics_->paint ? lyrics_->text : QString();
    if ((changed || lyricShown != frameLyric_) && !movieFrame_.isNull()) {
        frame_ = movieFrame_;
        if (!lyricShown.isEmpty()) {
            QPainter painter(&frame_);
            lyrics_->Paint(painter);
        }
        frameLyric_ = lyricShown;
        MclVideoSetFramePicture(conversion_, FrameFilePath(), frame_);
    }

    // At a movie's last frame: the hand-over picture, then the next movie.
    const int frameNum = Edit_dangemoban_leijiazhen_num.toInt();
    if (ShockwaveFlash1->TotalFrames() > 0 && frameNum + 1 == ShockwaveFlash1->TotalFrames() &&
        Edit_moban_jietu_kaiguan == MakingWord::kOn) {
        const int position = planPosition();
        const int planned = ListBox_duiying_keyong_hanghao->rowCount();
        if (position > planned - 1) {
            Edit_moban_jietu_kaiguan = MakingWord::kOff;  // the closing movie has ended
        } else {
            // The movie's own picture, without the lyric line.
            WriteJpeg(movieFrame_, HandOverPicturePath(), 90);
            if (position + 1 == planned) {
                Edit_moban_hanghao_leijia = QString::number(position + 1);
                LoadClosingMovie();
            } else {
                Edit_moban_hanghao_leijia = QString::number(position + 1);
                LoadTemplateMovie(folderOfPosition(position + 1));
            }
            if (stopped())
                return;
        }
    }

    if (produced == total) {
        Edit_moban_jietu_kaiguan = MakingWord::kOff;
        Edit_Lrc_geci_kaiguan = MakingWord::kOff;
    }

    // The song's clock; at a song's end the next song's lyrics.
    if (Edit_Lrc_geci_kaiguan == MakingWord::kOn) {
        const qint64 songFrames = Edit_shijian_zhen_lrc.toLongLong() + 1;
        Edit_shijian_zhen_lrc = QString::number(songFrames);
        Edit_shijian_lrc = SongClock(songFrames);
        const int musicRow = Edit_yinyue_hanghao_leijia.toInt();
        if (songFrames == MusicPlanFrames(*ListView_xuyao_yinyue_shuliang, musicRow)) {
            lyrics_->Clear();
            Edit_Lrc_geci_kaiguan = MakingWord::kOff;
            Edit_shijian_zhen_lrc = "0";
            Edit_shijian_lrc = "00:00";
            if (musicRow + 1 < ListView_xuyao_yinyue_shuliang->rowCount()) {
                Edit_yinyue_hanghao_leijia = QString::number(musicRow + 1);
                LoadSongLyrics(musicRow + 1);
            }
        }
    }
    if (Edit_Lrc_geci_kaiguan == MakingWord::kOn)
        ShowLyricLine();

    if (produced >= total)
        Timer_guanbi_chuangkou->setEnabled(true);
    processPendingEvents();
    if (ShockwaveFlash1)
        Edit_Falsh_wuxiao_jiance02 = "2- " + QString::number(ShockwaveFlash1->TotalFrames());
}
