#pragma once
// AppState: the state of the running program, kept by the main window.
//
// Every field is short text: decimal numbers (parsed where used) or fixed ASCII state words
// ("wu" means none). Every window reads and writes these fields directly through
// Form2::state(); the main window also registers each one as a hidden field under its own
// name, so tests and the scripted driver reach them as Form2.<name>. Nothing is saved:
// every field starts from its initial value at each start. A field whose first value is
// written before anything reads it starts empty.
//
// Beside the state, the pure rules of the main window's commands: the busy guard's test,
// the time labels, the photo-crop list, the size entries of the album-type window and
// the save folder's trailing separator. They take the tables they read; no window.

#include <QList>
#include <QString>
#include <QStringList>

class TextTable;

// The fixed words of the activity field Edit_tuichu.
namespace StateWord {
inline const QString kNone = QStringLiteral("wu");
inline const QString kPlaying = QStringLiteral("bofang_kaishi");
inline const QString kStopped = QStringLiteral("bofang_tingzhi");
inline const QString kMakingStarted = QStringLiteral("zhizuo_kaishi");
inline const QString kOpenTemplateManager = QStringLiteral("dakai_mobanguanli_anniu");
}  // namespace StateWord

// The busy guard's message.
inline const QString kBusyMessage = QStringLiteral("正在播放相册,点停止按钮后,再操作！");

struct AppState {
    // 停止播放，退出
    QString Edit_tuichu = StateWord::kStopped;  // activity word: "bofang_kaishi" while a preview plays
    // 放大缩小
    QString Edit_hangshu = StateWord::kNone;    // photo row shown large in the photo area, or "wu"
    QString Edit_Width_01 = "9";                // display width of the large photo
    QString Edit_Height_01 = "9";               // display height of the large photo
    QString Edit_Image_kongjian = StateWord::kNone;  // photo cell last under the mouse: "Image1" ... "Image9"
    // 上下页
    QString Edit_fangye_hao;                    // current photo page, 0-based
    QString FirstPageLoadWord;                  // "kaishi" from the opening, "jieshu" after the first page load
    // 移动控件
    QString Edit_tuodong_kaiguan;               // "anxia" while the left button is down on the large photo, else "songkai"
    QString Edit_tuodong_down_x;                // mouse-down point on the large photo: x
    QString Edit_tuodong_down_y;                // mouse-down point on the large photo: y
    // 自动操作
    QString Edit_zidongkongzhi;                 // "dakai_mobanguanli_anniu": open the template manager from the timer
    // dvd转vcd
    QString Edit_zhizuo_kaishi;                 // "zhizuo_kaishi" from the first make command on
    QString Edit_zhizuo_zhuan_zhizuo;           // "wu" for a normal make, "zhizuo_dvd_to_vcd" for the DVD-to-VCD pass
    QString Edit_xiangce_leixing;               // album type of the current make: "VCD", "SVCD", "DVD"
    // 扩展名
    QString Edit_kuozhanming_1 = ".rar";        // extension of the movie files in working folders
    // 初始化判断加载的图片是否完成
    QString Edit_wancheng;                      // "picture_0_wancheng" when the making window ends or is stopped
    // 模板行号累加 ... 音乐时间，显示歌词: the preview's counters
    QString Edit_moban_hanghao_leijia;          // position of the playing template in the completed list
    QString Edit_yinyue_leijia;                 // music row playing now
    QString Edit_geci_leijia;                   // lyric row shown now
    QString Edit_moban_zhen_leijia;             // frame of the current movie, "-1" before its first
    QString Edit_zong_leijia_zhen;              // frames shown since play started
    QString Edit_yinyue_shijian;                // position in the current song, mm:ss
    QString Edit_sui_yinyue_shijian;            // whole seconds of music before the current song
    // 相册保存位置, 选择MCL组件, MCL操作类型
    QString Edit_xiangce_baocun_weizhi;         // output folder of the current make, ending in a separator
    QString Edit_mcl_zujian;                    // conversion component word: "MCL-7.0.1"
    QString Edit_mcl_caozuo_leixing;            // conversion job word: "MCL_zhizuo_xiangce"
    // 卸载FLASH
    QString Edit_ShockwaveFlash_qi_dong_dong_hua = "0";  // "0" while the start-up animation exists, "1" once freed
    QString Edit_ShockwaveFlash_bofang = "1";            // "0" while a preview movie control exists
    // 音乐歌词打开1次默认目录
    QString Edit_yinyue_dakai_1ci = "0";        // "1" after the music dialog first opened on the sample folder
    QString Edit_geci_dakai_1ci = "0";          // "1" after the lyric dialog first opened on the sample folder

    // True while a preview plays: the busy guard refuses guarded commands then.
    bool playing() const { return Edit_tuichu == StateWord::kPlaying; }
};

// Every field of AppState with its name, in the order above.
struct AppStateField {
    const char* name;
    QString AppState::*member;
};
const QList<AppStateField>& AppStateFields();

// Captions of the main window's summary tables.
QStringList TemplateSummaryCaptions();  // 序号 模板 模板时长
QStringList MusicSummaryCaptions();     // 序号 音乐 时间长度
QStringList LyricSummaryCaptions();     // 序号 歌词 歌词格式
// Captions of Form9's photo list ListView_zhaopian_wenjian.
QStringList CropPhotoListCaptions();    // 序号 照片名称 使用次数 照片位置 标注 行号

// Rebuilds a summary table: one row per source row, 序号 1 ... n, then the source's cells
// in `columns` (for the template summary: 模板 and 时长 of the used-template table). A
// column missing in the source reads empty.
void RebuildSummary(TextTable& summary, const TextTable& source, const QList<int>& columns);
// The column of `caption` in `table`, or -1.
int ColumnOfCaption(const TextTable& table, const QString& caption);

// Total frames of the album in the template-synchronised mode: over the used templates
// whose 照片匹配 is "已完成", the frame count of the parameter-table row whose template
// index is the used row's 序号. A template index without a parameter row adds nothing.
qint64 CompletedTemplateFrames(const TextTable& usedTemplates, const TextTable& parameters);
// The total-time label for that sum: "00:00:00" for 0, else the clock of sum + 150 frames
// (the closing movie).
QString TotalTimeLabel(qint64 completedFrames);

// Form9's photo list: one row per slot that holds a photo (its 照片位置 not empty), in
// slot order. 使用次数 counts the slot rows with the same photo row.
void RebuildCropPhotoList(TextTable& list, const TextTable& slotTable, const TextTable& photos);

// The album-type window's size entries: width[i] + " × " + height[i] for every width; a
// missing height reads empty.
QStringList OutputSizeEntries(const QStringList& widths, const QStringList& heights);

// The save folder as the making reads it: with one trailing separator ("/" unless the
// folder already ends in a separator, see platform/PathSeparator.h). Empty text (a cancelled folder dialog) stays empty;
// the root folder "/" is a folder like any other.
QString WithTrailingSeparator(const QString& folder);
