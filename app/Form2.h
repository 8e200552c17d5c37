#pragma once
// Form2: the main window (caption "Lumora").
//
// It owns the program's state (AppState, every field also a hidden field by name) and the
// template tables, runs the loading chain (Timer_jiazai: the library commands Button29Click
// ... Button53Click), and opens with its skinned caption bar, the shared background and
// the start-up animation playing over the photo area (FormShow).
//
// Commands: every operation of the main window is one public slot named as its hidden
// button's click handler (Button6Click "添加照片", Button17Click "播放" ...). Every button,
// menu item, caption label and double-click only forwards to its command by name through
// runCommand (the entry points are one table, see Form2Dispatch.cpp), so a command has one
// implementation and any number of ways in. Commands that must not run while a preview
// plays call refuseWhileBusy() first; it shows "正在播放相册,点停止按钮后,再操作！" and
// answers true then. A command that shows a tool window continues when that window closes.
//
// The window is shown modally from the loading chain and lives in that modal loop until
// the program ends. Closing it any other way (a key, the window manager) runs the exit
// command instead, so the program never lives on with only the hidden loading window.
//
// The bodies live in: Form2.cpp (opening, start-up animation, exit), Form2Layout.cpp (the
// controls and their places), Form2Commands.cpp (the commands), Form2Dispatch.cpp (their
// entry points), Form2Library.cpp (the loading chain and the library commands),
// Form2Caption.cpp (the caption-bar pictures).

#include <QPixmap>

#include "app/AppState.h"
#include "media/LrcFile.h"
#include "platform/Window.h"

class AlbumPreview;
class FlashPlayer;
class MusicPlayer;
class PageView;
class QAbstractItemView;
class QLabel;
class QMenu;
class QPushButton;
class SkinLabel;
class TextTable;
class Timer;

class Form2 : public Window {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // The program's state; other windows read and write it directly.
    AppState& state() { return state_; }
    const AppState& state() const { return state_; }

    // The program's one music player (MediaPlayer1); every window plays music through it.
    MusicPlayer& musicPlayer() { return *MediaPlayer1; }

    Timer* timerJiazai() const { return Timer_jiazai; }
    Timer* timerZidongkongzhi() const { return Timer_zidongkongzhi; }
    // The start-up animation's player while it exists, else nullptr.
    FlashPlayer* startupPlayer() const { return ShockwaveFlash_2_qi_dong_dong_hua; }
    // Stops, hides and frees the start-up animation and sets its field to "1"; nothing
    // when it was freed already (the first add-photos run calls this).
    void freeStartupAnimation();

    // Runs the command `command` (a slot of this window, "Button6Click") as an entry point
    // does: announces it through commandInvoked, then runs it. Answers false when the
    // window has no such command.
    bool runCommand(const QString& command);

    // The album preview ("播放" / "停止"), see AlbumPreview.h.
    AlbumPreview& albumPreview() const { return *preview_; }
    // The photo pages and the large photo, see PageView.h.
    PageView& pageView() const { return *pageView_; }

    // The photo area and its default picture.
    QWidget* photoArea() const { return ScrollBox_zhujiemian; }
    QLabel* largePhoto() const { return Image_zhujiemian; }
    // The time labels: total and elapsed.
    QString totalTime() const;
    QString elapsedTime() const;

    // The main window's tables, by their resource names.
    TextTable* ListBox_saomiaomobanwenjian_ini;  // scanned parameter containers, one path a row
    TextTable* ListBox_saomiaomobanwenjian_swf;  // scanned movie containers, one path a row
    TextTable* ListView_mobancanshu;             // template parameter table
    TextTable* ListView_hengzhaopian;            // class table: horizontal single templates
    TextTable* ListView_shuzhaopian;             // class table: vertical single templates
    TextTable* ListView_gaojimoban;              // class table: advanced templates
    TextTable* ListView_daoru_moban;             // summary: the album's templates (序号, 模板, 模板时长)
    TextTable* ListView_daoru_yinyue;            // summary: the album's songs (序号, 音乐, 时间长度)
    TextTable* ListView_daoru_geci;              // summary: the album's lyric files (序号, 歌词, 歌词格式)
    TextTable* ListBox_yijing_wancheng_shiyongmoban_hanghao;  // completed used-template rows, in playing order
    // The lyric tables of the lyric file loaded last (media/LrcFile.h).
    TextTable* ListView_LRC_1;  // lyric lines
    TextTable* ListBox_LRC_1;   // "[" positions of the line being read
    TextTable* ListBox_LRC_2;   // "]" positions of the line being read
    TextTable* ListBox_LRC_3;   // header lines
    TextTable* ListView_LRC_2;  // entry table
    TextTable* ListView_LRC_3;  // timeline
    LyricTables lyricTables() const {
        return {ListView_LRC_1, ListBox_LRC_1, ListBox_LRC_2, ListBox_LRC_3, ListView_LRC_2, ListView_LRC_3};
    }

signals:
    // An entry point (or runCommand) is about to run `command`.
    void commandInvoked(const QString& command);

public slots:
    // The loading chain (Timer_jiazai, 1 ms, enabled by Form1.Timer1).
    void Timer_jiazaiTimer();
    // The opening of the window; runs once, when it is first shown.
    void FormShow();

    // Library commands (start-up only).
    void Button29Click();  // 扫描模板文件: scan the library
    void Button30Click();  // 读取模板参数: read every template's parameters
    void Button31Click();  // 模板分类: classify the templates
    void Button32Click();  // 模板照片数量: count their photos
    void Button53Click();  // 添加到Form8窗口: fill the template manager's list
    // Caption-bar pictures (start-up only).
    void Button1Click();   // 界面截图: cut the main caption pieces
    void Button2Click();   // 开始布局: lay out the main caption
    void Button5Click();   // 其它窗口界面截图: cut the small windows' caption pieces

    // Album commands, behind the busy guard.
    void Button6Click();   // 添加照片: Form3, then the album's templates and the first page
    void Button4Click();   // 添加音乐: Form4
    void Button7Click();   // 添加歌词: Form5
    void Button8Click();   // 画面质量: Form6
    void Button9Click();   // 同步效果: Form7
    void Button10Click();  // 照片剪裁: Form9 with the list of placed photos
    void Button11Click();  // 模板管理: Form8
    void Button48Click();  // 背景图片: Form21
    void Button28Click();  // 系统设置: Form18
    void Button12Click();  // VCD: make a VCD album
    void Button13Click();  // SVCD: make an SVCD album
    void Button14Click();  // DVD: make a DVD album
    void Button15Click();  // AVI: make an AVI album (MPEG-4 Part 2, MP3)
    void Button42Click();  // MP4: make an MP4 album (H.264, AAC)
    void Button43Click();  // WMV: make a WMV album (WMV 8, WMA 2)
    void Button44Click();  // MOV: make a QuickTime album (H.264, AAC)
    void Button19Click();  // 插入视频
    // Photo pages and the large photo, behind the busy guard (the page view does the work).
    void Button20Click();  // 上一页
    void Button21Click();  // 下一页
    void Button49Click();  // 第一页
    void Button50Click();  // 末一页
    void Button22Click();  // 放大
    void Button23Click();  // 缩小
    void Button24Click();  // 默认
    void Button51Click();  // 查看照片: the click of the cell last under the mouse
    void Button52Click();  // 预览效果: tells how to preview a photo's templates
    void Button37Click();  // ← : previous page, the arrow disabled meanwhile
    void Button38Click();  // → : next page, the arrow disabled meanwhile
    // The photo cells: a click shows the cell's photo large, a double-click the templates
    // that use it (PageView::cellClick, cellDoubleClick).
    void Image1Click();
    void Image2Click();
    void Image3Click();
    void Image4Click();
    void Image5Click();
    void Image6Click();
    void Image7Click();
    void Image8Click();
    void Image9Click();
    void Image1DblClick();
    void Image2DblClick();
    void Image3DblClick();
    void Image4DblClick();
    void Image5DblClick();
    void Image6DblClick();
    void Image7DblClick();
    void Image8DblClick();
    void Image9DblClick();

    // Not guarded.
    void Button17Click();  // 播放: start the album preview
    void Button18Click();  // 停止: stop the album preview
    void Button3Click();   // 退出软件: the exit command
    void ListView_daoru_yinyueDblClick();  // music preview in Form15
    void ListView_daoru_geciDblClick();    // lyric preview in Form15
    void Label_quanpingMouseUp();          // pops up the function menu at the label's centre
    void Label_huanyuanMouseUp();          // the product's web page
    void Button34Click();                  // 下载更多模板: the template page
    void HelpClick();                      // 帮助文件: no work of its own
    // Timer_zidongkongzhi (1 ms, off until a template preview enables it).
    void Timer_zidongkongzhiTimer();

protected:
    // The window manager closing the main window runs the exit command (Button3Click).
    void closeEvent(QCloseEvent* event) override;
    // Esc is no way to close the main window: it does nothing until the program has ended.
    void reject() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (Form2Layout.cpp).
    void buildPhotoArea();
    void buildCaption();
    void buildMenu();
    void buildToolbar();
    void buildPlayBar();
    void buildPhotoCells();
    void buildSummaries();
    void buildMakeGroup();
    void buildHiddenEntryPoints();
    QPushButton* addButton(QWidget* parent, const QString& name, const QString& text);
    QAbstractItemView* addSummaryView(const QString& name, TextTable* table, const QString& title,
                                      const QRect& box);

    // Entry points (Form2Dispatch.cpp) and the commands' shared steps (Form2Commands.cpp).
    void connectEntryPoints();
    bool refuseWhileBusy();
    void makeAlbum(const QString& type);
    void startMaking(const QString& type, const QString& album);
    void openMusicPreview(const QString& switchWord);
    void resetTimeLabels();
    void rebuildTemplateSummary();
    void resetLargePhoto();
    void loadFirstPage();
    void openWebPage(const QString& address);

    bool playStartupAnimation();
    void shareBackground();
    void connectCaptionLabel(SkinLabel* label, QLabel* piece, const QPixmap* pieces);
    void readTemplate(int i);

    AppState state_;
    AlbumPreview* preview_ = nullptr;                       // the album preview
    PageView* pageView_ = nullptr;                          // the photo pages and the large photo
    MusicPlayer* MediaPlayer1;                              // the music player

    bool opened_ = false;
    Timer* Timer_jiazai;                                    // the loading chain, fires once
    Timer* Timer_zidongkongzhi;                             // opens the template manager when asked to

    // The photo area and the start-up animation over it.
    QWidget* ScrollBox_zhujiemian;                          // the photo area, 800 x 450
    QLabel* Image_zhujiemian;                               // the large photo in the photo area
    QLabel* Image_zhujiemian_load;                          // hidden: the photo area's default picture
    QWidget* ScrollBox_qi_dong_dong_hua;                    // box of the start-up animation
    FlashPlayer* ShockwaveFlash_2_qi_dong_dong_hua = nullptr;  // the start-up animation player
    QLabel* Label_LRC;                                      // lyric line over the photo area
    QLabel* Label_LRC_2;                                    // second lyric line
    QLabel* Label_banben;                                   // version label
    QLabel* Image_ico;                                      // program icon
    QLabel* Label_zongshijian;                              // total album time, HH:MM:SS
    QLabel* Label_danqianshijian;                           // elapsed album time, HH:MM:SS
    QLabel* Image[9] = {};                                     // photo cells Image1 ... Image9, 118 x 96
    QMenu* PopupMenu_tupianyoujian_caidan;                  // context menu of the photo cells

    // Interface picture boxes (hidden) and the caption pieces cut from them.
    QLabel* Panel_jiemian[3];                               // main window box: normal, hover, pressed
    QLabel* Panel_xiao_jiemian[3];                          // small windows' box: normal, hover, pressed
    QLabel* Image_zhujiemian_1;                             // left end with the title
    QLabel* Image_zhujiemian_2;                             // middle, stretched, drag handle
    QLabel* Image_zhujiemian_3;                             // close button picture
    QLabel* Image_zhujiemian_4;                             // function-menu button picture
    QLabel* Image_zhujiemian_5;                             // web-page button picture
    QLabel* Image_zhujiemian_6;                             // first piece of the right group
    QLabel* Image_zhujiemian_zuixiamian1_load;              // bottom strip
    QPixmap closePieces_[3], menuPieces_[3], webPieces_[3];
    SkinLabel* Label_guanbi;                                // close label: the exit command
    SkinLabel* Label_quanping;                              // function-menu label
    SkinLabel* Label_huanyuan;                              // web-page label
    QMenu* PopupMenu_zhujiemian_youshangjiao_caidan;        // the function menu
};
