#pragma once
// Form19: the template preview (caption "预览模板").
//
// One template movie plays inside the window so that the user can judge it. The movie is
// not shown by the player itself: a hidden player (ShockwaveFlash_yulan_Form19chuangkou, on
// the host panel ScrollBox_moban off the window's bottom-right corner) is stepped one frame
// per tick of the frame timer, 25 frames a second, and each frame is copied into the black
// preview area ScrollBox_mobanyuelan. Three callers, told apart by the mode word
// Edit_caozuo_xuanze (templates/Form19Pictures.h):
//
//   yulan_yuanmoban                        a library template (Form8): a teal box
//                                          labelled "picture" in every picture item
//   yulan_shiyongmoban                     a used template (Form8): the album's photos
//   yulan_zhujiemian_duiying_shiyongmoban  the used template a photo is in (Form20): the
//                                          album's photos, the display chosen by the slot's
//                                          crop mark
//
// Callers run preview(): it wipes and makes the preview folder, unwraps the template's
// movie into it (twice), fills the fields, shows the window modally with its preparation
// timer and wipes lumdata/wj_y_l once the window has closed.
//
// Its commands:
//   Timer_yulanmoban_yumobanTimer   preparation (one shot): the player, the pictures, the
//                                   load with the marker check, then the frame timer
//   Timer_ShockwaveFlash_mobanTimer one frame; stops by itself on the movie's last frame
//   播放   Button2Click, Button4Click  play again from the first frame (with the pictures
//                                     as they are now)
//   停止   Button3Click, Button5Click  stop; the frame picture is emptied
//   返回   Button6Click, Button1Click  close (the player is freed)
//   照片全屏显示效果 / 照片适中显示效果  RadioButton_quanpingClick, RadioButton_shizhongClick:
//                                     the pictures made again for the choice (single
//                                     horizontal templates), shown at the next 播放
//   计算模板照片尺寸数据  Button18Click   the width and height lists of template index
//                                     Edit_chuli_zhaopianchicun_num
//
// Failures: a movie container that does not unwrap, or a movie that does not load, is
// named in a message and the window closes (the preview never waits on a movie that is
// not there); a movie without the movie marker ends the program, as everywhere. The wait
// for a loaded movie to start ends at its last frame or after two seconds.

#include <QImage>
#include <QList>
#include <QStringList>
#include <functional>

#include "platform/Window.h"
#include "templates/PreviewFolders.h"

class FlashPlayer;
class QLabel;
class QPushButton;
class QRadioButton;
class TextTable;
class Timer;

// What a caller asks to preview.
struct TemplatePreviewRequest {
    QString mode;                 // the mode word
    int row = -1;                 // 0-based row of the library list (library mode) or of the
                                  // used-template table (the other modes)
    QStringList templateCells;    // cols 0-6 of that row: index, name, type, horizontal,
                                  // vertical, duration, category
    QList<int> slotRows;          // the template's slot-table rows (ListBox_picture_hanghao)
    int chosenSlotRow = -1;       // photo mode: the slot whose crop mark picks the display
    // The name of intermediate file `pass` of the unwrap, given the folder checks counted
    // while the pic folder was made (see RecreateTemplatePreviewFolders).
    std::function<QString(int checks, int pass)> intermediateName;
};

class Form19 : public Window {
    Q_OBJECT
public:
    explicit Form19(QWidget* parent = nullptr);

    // The whole preview, as described above.
    void preview(const TemplatePreviewRequest& request);

    // The preview area, A x B.
    QSize previewArea() const;
    // The frame shown now (null when none).
    QImage shownFrame() const;
    // The preparation has loaded the movie (Edit_danxuananziu_kaiguan "shiyong").
    bool prepared() const;
    // The frame timer runs.
    bool playing() const;
    // The player while it exists.
    FlashPlayer* player() const { return ShockwaveFlash_yulan_Form19chuangkou; }

    Timer* Timer_yulanmoban_yumoban;    // preparation, one shot
    Timer* Timer_ShockwaveFlash_moban;  // one frame per tick
    QRadioButton* RadioButton_quanping; // 照片全屏显示效果 (checked at start)
    QRadioButton* RadioButton_shizhong; // 照片适中显示效果
    TextTable* ListBox_picture_hanghao;               // slot-table rows of the template
    TextTable* ListBox_chuli_zhaopianchicun_chuli_2;  // its item widths
    TextTable* ListBox_chuli_zhaopianchicun_chuli_3;  // its item heights
    TextTable* ListBox_chuli_hengzhao_shuzhao_shuju_2;  // its picture items

public slots:
    void Timer_yulanmoban_yumobanTimer();
    void Timer_ShockwaveFlash_mobanTimer();
    void Button2Click();  // 播放
    void Button4Click();  // 播放 (hidden twin)
    void Button3Click();  // 停止
    void Button5Click();  // 停止 (hidden twin)
    void Button6Click();  // 返回
    void Button1Click();  // 返回 (hidden twin)
    void RadioButton_quanpingClick();
    void RadioButton_shizhongClick();
    void Button18Click();  // 计算模板照片尺寸数据

protected:
    void done(int result) override;

private:
    void createPlayer();
    void writePictures();
    void writePlaceholders();
    void writeAlbumPictures();
    bool loadMovie();
    void failPreview(const QString& message);
    void play();
    void stop();
    void setControls(bool back, bool play, bool display);
    void freePlayer();
    QString extension() const;
    PhotoDisplay display() const;
    bool libraryMode() const;

    QString Edit_caozuo_xuanze;             // mode word
    QString Edit_xuanzhong_hang;            // row of the caller's template list
    QString Edit_mobandizhi;                // the movie
    QString Edit_mobandizhi_2;              // its second copy
    QString Edit_mingcheng;                 // template name
    QString Edit_leixing;                   // type
    QString Edit_hengzhaopian;              // horizontal photos
    QString Edit_shuzhaopian;               // vertical photos
    QString Edit_shichang;                  // duration
    QString Edit_fenlei;                    // category
    QString Edit_chuli_zhaopianchicun_num;  // template index whose item sizes are computed
    QString Edit_dangqian_zhenshuo_leijia;  // frame counter
    QString Edit_danxuananziu_kaiguan;      // "bushiyong" while preparing, "shiyong" once loaded

    QWidget* ScrollBox_mobanyuelan;         // the black preview area
    QLabel* Image_moban_yuanlan;            // the frame shown, at the area's size
    QWidget* ScrollBox_moban;               // host panel of the player, off the window
    QWidget* ScrollBox_mobanyulan_jietu;    // the teal placeholder panel
    QLabel* Label_picture;                  // its "picture" label
    FlashPlayer* ShockwaveFlash_yulan_Form19chuangkou = nullptr;
    QPushButton* playButton_;               // Button2 播放
    QPushButton* stopButton_;               // Button3 停止
    QPushButton* backButton_;               // Button6 返回
    int chosenSlotRow_ = -1;                // photo mode: the slot chosen in Form20
    bool picturesChanged_ = false;          // made again since the movie was loaded
};
