#pragma once
// Form2: the main window (caption "Lumora").
//
// It owns the program's state fields and the template tables, runs the loading chain
// (Timer_jiazai: the library commands Button29Click ... Button53Click), and opens with its
// skinned caption bar, the shared background and the start-up animation playing over the
// photo area (FormShow). Button3Click is the exit command.
//
// The window is shown modally from the loading chain and lives in that modal loop until
// the program ends. Closing it any other way (a key, the window manager) runs the exit
// command instead, so the program never lives on with only the hidden loading window.
//
// The commands' bodies live in three files: Form2.cpp (opening, start-up animation, exit),
// Form2Library.cpp (the loading chain and the library commands), Form2Caption.cpp (the
// caption-bar pictures).

#include <QPixmap>

#include "platform/Window.h"

class FlashPlayer;
class QLabel;
class QMenu;
class SkinLabel;
class TextTable;
class Timer;

class Form2 : public Window {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    Timer* timerJiazai() const { return Timer_jiazai; }
    // The start-up animation's player while it exists, else nullptr.
    FlashPlayer* startupPlayer() const { return ShockwaveFlash_2_qi_dong_dong_hua; }
    // Stops, hides and frees the start-up animation and sets its field to "1"; nothing
    // when it was freed already (the first add-photos run calls this).
    void freeStartupAnimation();

    // The main window's tables, by their resource names.
    TextTable* ListBox_saomiaomobanwenjian_ini;  // scanned parameter containers, one path a row
    TextTable* ListBox_saomiaomobanwenjian_swf;  // scanned movie containers, one path a row
    TextTable* ListView_mobancanshu;             // template parameter table
    TextTable* ListView_hengzhaopian;            // class table: horizontal single templates
    TextTable* ListView_shuzhaopian;             // class table: vertical single templates
    TextTable* ListView_gaojimoban;              // class table: advanced templates

public slots:
    // The loading chain (Timer_jiazai, 1 ms, enabled by Form1.Timer1).
    void Timer_jiazaiTimer();
    // The opening of the window; runs once, when it is first shown.
    void FormShow();

    void Button29Click();  // 扫描模板文件: scan the library
    void Button30Click();  // 读取模板参数: read every template's parameters
    void Button31Click();  // 模板分类: classify the templates
    void Button32Click();  // 模板照片数量: count their photos
    void Button53Click();  // 添加到Form8窗口: fill the template manager's list

    void Button1Click();   // 界面截图: cut the main caption pieces
    void Button2Click();   // 开始布局: lay out the main caption
    void Button5Click();   // 其它窗口界面截图: cut the small windows' caption pieces

    void Button3Click();   // 退出软件: the exit command
    void Button18Click();  // 停止: stop the album preview (filled in with the preview)

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    void buildPhotoArea();
    void buildCaption();
    void buildMenu();
    bool playStartupAnimation();
    void shareBackground();
    void connectCaptionLabel(SkinLabel* label, QLabel* piece, const QPixmap* pieces,
                             void (Form2::*action)());
    void popUpFunctionMenu();
    void readTemplate(int i);

    // State fields (Part of the application state; all text).
    QString Edit_tuichu = "bofang_tingzhi";                 // activity word: "bofang_kaishi" while a preview plays
    QString Edit_kuozhanming_1 = ".rar";                    // extension of movie files in working folders
    QString Edit_ShockwaveFlash_qi_dong_dong_hua = "0";     // "0" while the start-up animation exists, "1" once freed
    QString Edit_ShockwaveFlash_bofang = "1";               // "0" while a preview movie control exists
    QString FirstPageLoadWord;                              // "kaishi" from the opening, "jieshu" after the first page load

    bool opened_ = false;
    Timer* Timer_jiazai;                                    // the loading chain, fires once

    // The photo area and the start-up animation over it.
    QWidget* ScrollBox_zhujiemian;                          // the photo area, 800 x 450
    QLabel* Image_zhujiemian;                               // the large photo in the photo area
    QWidget* ScrollBox_qi_dong_dong_hua;                    // box of the start-up animation
    FlashPlayer* ShockwaveFlash_2_qi_dong_dong_hua = nullptr;  // the start-up animation player
    QLabel* Label_LRC;                                      // lyric line over the photo area
    QLabel* Label_LRC_2;                                    // second lyric line
    QLabel* Label_banben;                                   // version label
    QLabel* Image_ico;                                      // program icon

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
