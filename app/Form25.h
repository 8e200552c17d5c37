#pragma once
// Form25: album making (caption "制作相册", "制作DVD相册" ... while a making runs).
//
// A make command of the main window fills edVideoOut / edAudioOut and the album name,
// enables Timer_zhizuo_xiangce and shows the window modally; the window then makes the
// album into that one file and closes itself. Its work, in order:
//
//   PrepareAlbum      Timer_zhizuo_xiangce: the template plan and the frame total, the music
//                     plan (production/MakingPlan.h), the output size, the working folders
//                     at the output frame size, the first template movie and the first
//                     frame, then RunConversion
//   RunConversion     one pass of the conversion library (platform/ConversionLibrary.h):
//                     the frame file listed once per frame, the planned songs, the preset of
//                     the album type and TV system, the quality; the library calls back for
//                     every frame
//   RenderNextFrame   the frame callback's work: the next movie frame at the frame size
//                     with the lyric line of its time drawn on it, handed to the library in
//                     memory; at a movie's last frame its picture becomes the hand-over
//                     picture of the next template and the next movie (or the closing movie)
//                     is loaded
//   FinishAlbum       Timer_guanbi_chuangkou, 2 s after the last frame (and only once the
//                     conversion has returned): the optional DVD-to-VCD pass, the save
//                     folder opened when asked, the window closed
//   停止制作          Button_tingzhi_zhizuoClick: stops the conversion and closes the window
//   打开保存位置      suiButton2Click / Button1Click: opens the save folder
//
// A making that fails (an unwritable folder, a full disk, an encoder error, a movie that
// never starts) shows one message naming the file and the reason, removes the partial file
// and closes the window; it is never reported as finished. A stopped making removes its
// partial file too, so a file of the album's name is always a whole album.
//
// The run word Edit_tuichu of this window: "bofang_tingzhi" while preparing,
// "zhizuo_kaishi" while producing, "zhizuo_tingzhi" when stopped or finished. Every wait
// watches it and has a time limit.

#include <QImage>
#include <QStringList>

#include <memory>

#include "platform/ConversionLibrary.h"
#include "platform/Window.h"

class FlashPlayer;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class TextTable;
class Timer;

class Form25 : public Window {
    Q_OBJECT
public:
    explicit Form25(QWidget* parent = nullptr);
    ~Form25() override;

    TextTable* ListView_xuyao_shiyongmoban_shuliang;  // TemplatePlan
    TextTable* ListView_xuyao_yinyue_shuliang;        // MusicPlan
    TextTable* ListBox_duiying_keyong_hanghao;        // plan rows of the completed templates
    TextTable* ListBox_cuowu_yichang_xianshi;         // player health-check errors
    TextTable* ListBox_jiazai_FLASH_xianshi;          // player creation log

    // The status lines of the conversion (hidden list lstProgress), at most 32000.
    const QStringList& progressLines() const { return lstProgress; }
    static constexpr int kMaxProgressLines = 32000;

    // The frame file and the hand-over picture of the making's working folder.
    static QString FrameFilePath();
    static QString HandOverPicturePath();

    // The player of the making (nullptr before the first making).
    FlashPlayer* player() const { return ShockwaveFlash1; }
    // The last frame handed to the conversion library.
    const QImage& lastFrame() const { return frame_; }

    void ApplyOutputSize();
    bool PrepareWorkingFolders();
    void LoadTemplateMovie(int folderIndex);
    void LoadClosingMovie();
    void RenderNextFrame();
    void RunConversion();
    void AbortConversion();
    void LogProgress(const QString& text);

public slots:
    void PrepareAlbum();                 // Timer_zhizuo_xiangce
    void FinishAlbum();                  // Timer_guanbi_chuangkou
    void Button_tingzhi_zhizuoClick();   // 停止制作
    void suiButton2Click();              // 打开保存位置
    void Button1Click();                 // the hidden twin of 打开保存位置
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;  // Esc does not end a making

private:
    void createPlayer();
    bool LoadMovie(const QString& path);
    bool waitForMovieStart();
    void LoadSongLyrics(int planRow);
    void ShowLyricLine();
    void FailMaking(const QString& message);
    void EndMaking(bool removeOutput);
    void openSaveFolder();
    int planPosition() const;
    int folderOfPosition(int position) const;
    QString templateMoviePath(int folderIndex) const;
    bool stopped() const;

    // Production fields (hidden): all decimal text or state words.
    QString Edit_zhizuo_zongzhen_sum;            // total frames to produce
    QString Edit_zhizuo_zhenshu_leijia_sum;      // frames produced so far
    QString Edit_tuichu;                         // run word
    QString Edit_moban_hanghao_leijia;           // current position in the template plan
    QString Edit_dangemoban_leijiazhen_num;      // movie frame number; "-1" after a load
    QString Edit_moban_jietu_kaiguan;            // frame capture switch: kai / guan
    QString Edit_Lrc_geci_kaiguan;               // lyric switch: kai / guan
    QString Edit_shijian_zhen_lrc;               // frames since the current song began
    QString Edit_shijian_lrc;                    // the song's clock, mm:ss
    QString Edit_yinyue_hanghao_leijia;          // current row of the music plan
    QString Edit_Falsh_Width, Edit_Falsh_Height; // frame size
    QString Edit_Zhaopian_Width, Edit_Zhaopian_Height;  // picture panel size for backgrounds
    QString Edit_dongtaichuangjian_Flash_kaiguan;       // "yi_chuangjian_Falsh" once a player exists
    QString Edit_Falsh_wuxiao_jiance02;          // last health-check value
    QString Edit_baocun_wenjianming;             // album name (shown)
    QString Edit_wancheng_fail;                  // the failure message of this making, if any
    QString edVideoIn, edAudioIn, edVideoOut, edAudioOut;  // conversion paths

    QStringList lstProgress;  // status lines

    // The controls.
    QWidget* ScrollBox_moban;         // host of the player, outside the visible area
    FlashPlayer* ShockwaveFlash1 = nullptr;
    QLabel* Label_LRC;                // the lyric line (its look is drawn onto frames)
    QProgressBar* ProgressBar_tongyong_jindutiao;     // general bar
    QProgressBar* ProgressBar_kaishi_zhizuo_xiangce;  // main bar: frames
    QPushButton* Button_tingzhi_zhizuo;
    QPushButton* suiButton2;
    QCheckBox* CheckBox_wancheng_dakai_wenjianjia;    // 完成后打开保存文件夹
    QCheckBox* CheckBox_wancheng_guanji;              // 完成后自动关机 (no behaviour)
    QCheckBox* chkKeepDuration;                       // keep the source duration
    QLineEdit* nameField_;                            // shows Edit_baocun_wenjianming
    QWidget* bottomPanel_;                            // ScrollBox_dakaibaocun
    Timer* Timer_zhizuo_xiangce;
    Timer* Timer_guanbi_chuangkou;

    // The conversion run.
    MclHandle conversion_ = nullptr;
    MclList videoList_ = nullptr;
    MclList audioList_ = nullptr;
    qint64 listFrames_ = 0;
    qint64 listSamples_ = 0;
    bool converting_ = false;      // inside MclConvert
    bool conversionFailed_ = false;
    bool finishing_ = false;

    QImage frame_;                 // the frame handed over last
    QImage movieFrame_;            // its movie picture without the lyric line
    QString frameLyric_;           // the lyric line drawn on it (empty: none)
    std::unique_ptr<struct MakingLyrics> lyrics_;  // the lyric line drawn on the frames
    bool shown_ = false;
};
