// Form2's commands (their entry points are in Form2Dispatch.cpp). A command that refuses
// while a preview plays calls refuseWhileBusy() first.
//
// The tool windows are reached through the window registry by their resource names
// (Form3.ListView_daoru_zhaopian, Form24.Edit_quxiao ...). A window's controls that its own
// part of the program has not built yet read as empty and take no writes, so every
// command does today what the windows it touches allow, and does the rest as they grow.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileInfo>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>

#include "app/AlbumPreview.h"
#include "app/Form15.h"
#include "app/Form2.h"
#include "app/Form24.h"
#include "app/Messages.h"
#include "app/PageView.h"
#include "photos/PhotoTable.h"
#include "production/AlbumFormat.h"
#include "production/AlbumName.h"
#include "photos/SlotTable.h"
#include "platform/CaptionBar.h"
#include "platform/Desktop.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "templates/TemplateTables.h"

namespace {
// The product's pages, opened with the system's own program.
const QString kProductPage = "https://lumora.example/";
const QString kTemplatePage = "https://lumora.example/templates";

// ---- The tool windows' controls, by name.

Window* WindowNamed(const char* window) { return Windows::find(window); }

TextTable* TableOf(const char* window, const char* table) {
    Window* w = WindowNamed(window);
    return w ? w->table(table) : nullptr;
}

int RowsOf(const char* window, const char* table) {
    const TextTable* t = TableOf(window, table);
    return t ? t->rowCount() : 0;
}

template <class T>
T* ControlOf(const char* window, const char* name) {
    Window* w = WindowNamed(window);
    return w ? w->findChild<T*>(name) : nullptr;
}

QString FieldOf(const char* window, const char* field) {
    Window* w = WindowNamed(window);
    return w ? w->field(field) : QString();
}

void SetFieldOf(const char* window, const char* field, const QString& value) {
    if (Window* w = WindowNamed(window)) w->setField(field, value);
}

void ClearFieldsOf(const char* window, std::initializer_list<const char*> fields) {
    for (const char* field : fields) SetFieldOf(window, field, QString());
}

void EnableTimerOf(const char* window, const char* timer, bool enabled) {
    if (Timer* t = ControlOf<Timer>(window, timer)) t->setEnabled(enabled);
}

bool IsChecked(const char* window, const char* radio) {
    const QRadioButton* button = ControlOf<QRadioButton>(window, radio);
    return button && button->isChecked();
}

void Check(const char* window, const char* radio) {
    if (QRadioButton* button = ControlOf<QRadioButton>(window, radio)) button->setChecked(true);
}

void ResetProgressBar(QProgressBar* bar, int maximum) {
    if (!bar) return;
    bar->setRange(0, maximum);
    bar->setValue(0);
}

// Empties a window's photo picture and turns its hint off.
void EmptyPhotoPicture(const char* window, const char* picture) {
    QLabel* label = ControlOf<QLabel>(window, picture);
    if (!label) return;
    label->clear();
    label->setToolTip(QString());
}

void Show(const char* window) {
    if (Window* w = WindowNamed(window)) w->showModal();
}

int PhotoCount() { return RowsOf("Form3", "ListView_daoru_zhaopian"); }
int MusicCount() { return RowsOf("Form4", "ListView_daoru_yinyue"); }
}  // namespace

bool Form2::refuseWhileBusy() {
    if (!state_.playing()) return false;
    ShowMessage(kBusyMessage);
    return true;
}

// ---- Shared steps.

void Form2::rebuildTemplateSummary() {
    if (const TextTable* used = TableOf("Form8", "ListView_moban_shiyong"))
        RebuildSummary(*ListView_daoru_moban, *used, {UsedTemplateColumn::kName, UsedTemplateColumn::kDuration});
}

void Form2::resetTimeLabels() {
    Label_zongshijian->setText("00:00:00");
    Label_danqianshijian->setText("00:00:00");
    if (!IsChecked("Form7", "RadioButton_moban_tongbu")) return;
    const TextTable* used = TableOf("Form8", "ListView_moban_shiyong");
    if (!used) return;
    Label_zongshijian->setText(TotalTimeLabel(CompletedTemplateFrames(*used, *ListView_mobancanshu)));
}

// The page Edit_fangye_hao into the cells, on the progress window's page timer.
void Form2::loadFirstPage() { pageView_->loadPage(); }

void Form2::openWebPage(const QString& address) { Desktop::current().openExternal(address); }

// ---- Album commands.

void Form2::Button6Click() {
    if (refuseWhileBusy()) return;
    freeStartupAnimation();
    resetLargePhoto();
    EmptyPhotoPicture("Form3", "Image_xianshizhaopian");
    ClearFieldsOf("Form3", {"Edit_xuhao", "Edit_mingcheng", "Edit_geshi", "Edit_kuandu", "Edit_gaodu",
                            "Edit_weizhi"});
    Show("Form3");
    rebuildTemplateSummary();
    resetTimeLabels();
    QWidget* manager = findChild<QWidget*>("Button_gongneng_07");
    manager->setEnabled(false);
    if (PhotoCount() > 0) {
        state_.Edit_fangye_hao = "0";
        loadFirstPage();
        state_.Edit_hangshu = StateWord::kNone;
    }
    manager->setEnabled(true);
}

void Form2::Button4Click() {
    if (refuseWhileBusy()) return;
    ClearFieldsOf("Form4", {"Edit_xuhao", "Edit_mingcheng", "Edit_geshi", "Edit_shichang", "Edit_weizhi"});
    Show("Form4");
    if (const TextTable* music = TableOf("Form4", "ListView_daoru_yinyue"))
        RebuildSummary(*ListView_daoru_yinyue, *music,
                       {ColumnOfCaption(*music, "音乐名称"), ColumnOfCaption(*music, "音乐时长")});
    resetTimeLabels();
}

void Form2::Button7Click() {
    if (refuseWhileBusy()) return;
    ClearFieldsOf("Form5", {"Edit_xuhao", "Edit_mingcheng", "Edit_geshi", "Edit_weizhi"});
    Show("Form5");
    if (const TextTable* lyrics = TableOf("Form5", "ListView_daoru_LRC"))
        RebuildSummary(*ListView_daoru_geci, *lyrics,
                       {ColumnOfCaption(*lyrics, "歌词名称"), ColumnOfCaption(*lyrics, "类型")});
}

void Form2::Button8Click() {
    if (refuseWhileBusy()) return;
    Show("Form6");
    const QString quality = FieldOf("Form6", "Edit_huamianzhiliang_xuanzhong");
    if (quality == "biaoqing") Check("Form6", "RadioButton_yiban_huazhi");
    if (quality == "gaoqing") Check("Form6", "RadioButton_gaoqing_huazhi");
}

void Form2::Button9Click() {
    if (refuseWhileBusy()) return;
    Show("Form7");
    resetTimeLabels();
}

void Form2::Button10Click() {
    if (refuseWhileBusy()) return;
    QWidget* outer = ControlOf<QWidget>("Form9", "ScrollBox_jiancai_0");
    const QSize area = outer ? outer->size() : QSize(800, 450);
    for (const char* name : {"ScrollBox_jiequtupian", "Shape_jiancai"}) {
        if (QWidget* box = ControlOf<QWidget>("Form9", name)) {
            box->setGeometry(QRect(QPoint(0, 0), area));
            box->show();
        }
    }
    EmptyPhotoPicture("Form9", "Image_load");
    ClearFieldsOf("Form9", {"Edit_xuhao", "Edit_mingcheng", "Edit_cishu", "Edit_weizhi"});
    if (TextTable* list = TableOf("Form9", "ListView_zhaopian_wenjian")) {
        const TextTable* slotTable = TableOf("Form8", "ListView_moban_shiyong_canshu");
        const TextTable* photos = TableOf("Form3", "ListView_daoru_zhaopian");
        if (slotTable && photos)
            RebuildCropPhotoList(*list, *slotTable, *photos);
        else
            list->clear();
    }
    Show("Form9");
}

void Form2::Button11Click() {
    if (refuseWhileBusy()) return;
    const int photos = PhotoCount();
    if (photos == 0) {
        ShowMessage("没有添加照片文件！使用模板管理功能,至少添加一张照片文件！");
        return;
    }
    ResetProgressBar(ControlOf<QProgressBar>("Form8", "ProgressBar1"), photos);
    ClearFieldsOf("Form8", {"Edit_xuhao", "Edit_mobanmingcheng", "Edit_liexing", "Edit_mobanshichang",
                            "Edit_hengzhaopian", "Edit_shuzhaopian", "Edit_mobanhangshu",
                            "Edit_tianjia_hengzhaopian", "Edit_tianjia_shuzhaopian"});
    EnableTimerOf("Form8", "Timer1", true);
    Show("Form8");
    rebuildTemplateSummary();
    resetTimeLabels();
}

void Form2::Button48Click() {
    if (refuseWhileBusy()) return;
    ClearFieldsOf("Form21", {"Edit_xuhao", "Edit_mingcheng", "Edit_geshi", "Edit_kuandu", "Edit_gaodu",
                             "Edit_weizhi"});
    EmptyPhotoPicture("Form21", "Image_xianshizhaopian");
    Show("Form21");
}

void Form2::Button28Click() {
    if (refuseWhileBusy()) return;
    Show("Form18");
}

// ---- Making an album.

void Form2::Button12Click() { makeAlbum("VCD"); }
void Form2::Button13Click() { makeAlbum("SVCD"); }
void Form2::Button14Click() { makeAlbum("DVD"); }

void Form2::makeAlbum(const QString& type) {
    if (refuseWhileBusy()) return;
    if (PhotoCount() == 0) return ShowMessage("没有添加照片文件！");
    if (IsChecked("Form7", "RadioButton_yinyue_tongbu") && MusicCount() == 0)
        return ShowMessage("没有找到音乐文件！使用随音乐文件同步,至少添加一个音乐文件！");
    if (RowsOf("Form8", "ListView_moban_shiyong") == 0) return ShowMessage("没有添加模板文件！");

    state_.Edit_xiangce_leixing = type;
    state_.Edit_zhizuo_zhuan_zhizuo = StateWord::kNone;
    state_.Edit_zhizuo_kaishi = StateWord::kMakingStarted;
    Form24* albumType = Windows::get<Form24>();
    albumType->fillFor(type);
    state_.Edit_xiangce_baocun_weizhi.clear();
    albumType->showModal();

    if (albumType->field("Edit_quxiao") != StateWord::kMakingStarted) return;
    // The name becomes a file name in the chosen folder: one plain name, nothing that
    // leads out of the folder.
    if (const QString problem = AlbumNameProblem(albumType->field("Edit_xiangce_mingcheng")); !problem.isEmpty())
        return ShowMessage(problem);
    const QString folder = Desktop::current().chooseFolder(this, "选择相册保存路径,然后点[确定]按钮");
    state_.Edit_xiangce_baocun_weizhi = WithTrailingSeparator(folder);
    if (folder.isEmpty()) return;
    startMaking(type, albumType->field("Edit_xiangce_mingcheng"));
}

// The making window's start, the one place a make command hands over to it once the type,
// size, name and save folder are settled: Form25 is prepared and shown with its start
// timer, and makes the album before it closes.
void Form2::startMaking(const QString& type, const QString& album) {
    state_.Edit_mcl_zujian = "MCL-7.0.1";
    state_.Edit_mcl_caozuo_leixing = "MCL_zhizuo_xiangce";
    const QString fileName = album + AlbumFileExtension(type);
    const QString output = state_.Edit_xiangce_baocun_weizhi + fileName;
    if (QFileInfo::exists(output) && !AskQuestion("制作相册", "文件 " + fileName + " 已经存在,是否替换？"))
        return;
    if (auto* open = ControlOf<QCheckBox>("Form25", "CheckBox_wancheng_dakai_wenjianjia")) open->setChecked(false);
    ResetProgressBar(ControlOf<QProgressBar>("Form25", "ProgressBar_tongyong_jindutiao"), 0);
    ResetProgressBar(ControlOf<QProgressBar>("Form25", "ProgressBar_kaishi_zhizuo_xiangce"), 0);
    if (auto* stop = ControlOf<QAbstractButton>("Form25", "Button_tingzhi_zhizuo")) stop->setEnabled(false);
    SetFieldOf("Form25", "edVideoOut", output);
    SetFieldOf("Form25", "edAudioOut", output);
    SetFieldOf("Form25", "Edit_baocun_wenjianming", album);
    EnableTimerOf("Form25", "Timer_guanbi_chuangkou", false);
    EnableTimerOf("Form25", "Timer_zhizuo_xiangce", true);
    WindowNamed("Form25")->setWindowTitle("制作" + type + "相册");
    Show("Form25");
}

void Form2::Button15Click() { makeAlbum("AVI"); }
void Form2::Button42Click() { makeAlbum("MP4"); }
void Form2::Button43Click() { makeAlbum("WMV"); }
void Form2::Button44Click() { makeAlbum("MOV"); }

void Form2::Button19Click() {
    if (refuseWhileBusy()) return;
    ShowMessage("暂不支持插入视频！");
}

// ---- Photo pages and the large photo: the guard here, the work in the page view.

void Form2::Button20Click() {
    if (refuseWhileBusy()) return;
    pageView_->turnPage(PageCommand::Previous);
}

void Form2::Button21Click() {
    if (refuseWhileBusy()) return;
    pageView_->turnPage(PageCommand::Next);
}

void Form2::Button49Click() {
    if (refuseWhileBusy()) return;
    pageView_->turnPage(PageCommand::First);
}

void Form2::Button50Click() {
    if (refuseWhileBusy()) return;
    pageView_->turnPage(PageCommand::Last);
}

void Form2::Button22Click() {
    if (refuseWhileBusy()) return;
    pageView_->zoomIn();
}

void Form2::Button23Click() {
    if (refuseWhileBusy()) return;
    pageView_->zoomOut();
}

void Form2::Button24Click() {
    if (refuseWhileBusy()) return;
    pageView_->zoomDefault();
}

// The cells' clicks check the guard themselves, after the photo table and the cell.
void Form2::Image1Click() { pageView_->cellClick(1); }
void Form2::Image2Click() { pageView_->cellClick(2); }
void Form2::Image3Click() { pageView_->cellClick(3); }
void Form2::Image4Click() { pageView_->cellClick(4); }
void Form2::Image5Click() { pageView_->cellClick(5); }
void Form2::Image6Click() { pageView_->cellClick(6); }
void Form2::Image7Click() { pageView_->cellClick(7); }
void Form2::Image8Click() { pageView_->cellClick(8); }
void Form2::Image9Click() { pageView_->cellClick(9); }
void Form2::Image1DblClick() { pageView_->cellDoubleClick(1); }
void Form2::Image2DblClick() { pageView_->cellDoubleClick(2); }
void Form2::Image3DblClick() { pageView_->cellDoubleClick(3); }
void Form2::Image4DblClick() { pageView_->cellDoubleClick(4); }
void Form2::Image5DblClick() { pageView_->cellDoubleClick(5); }
void Form2::Image6DblClick() { pageView_->cellDoubleClick(6); }
void Form2::Image7DblClick() { pageView_->cellDoubleClick(7); }
void Form2::Image8DblClick() { pageView_->cellDoubleClick(8); }
void Form2::Image9DblClick() { pageView_->cellDoubleClick(9); }

void Form2::Button51Click() {
    if (refuseWhileBusy()) return;
    runCommand(state_.Edit_Image_kongjian + "Click");
}

void Form2::Button52Click() {
    if (refuseWhileBusy()) return;
    ShowMessage(kPreviewHint);
}

// The arrows run the page commands with the page buttons disabled meanwhile, so that the
// page cannot be turned a second time while it loads.
void Form2::Button37Click() {
    QWidget* previous = findChild<QWidget*>("Button20");
    previous->setEnabled(false);
    Button20Click();
    previous->setEnabled(true);
}

void Form2::Button38Click() {
    QWidget* next = findChild<QWidget*>("Button21");
    next->setEnabled(false);
    Button21Click();
    next->setEnabled(true);
}

// ---- Not guarded.

void Form2::Button17Click() { preview_->Button17Click(); }
void Form2::Button18Click() { preview_->Button18Click(); }

void Form2::ListView_daoru_yinyueDblClick() { openMusicPreview("bofangyingyue"); }
void Form2::ListView_daoru_geciDblClick() { openMusicPreview("bofanggeci"); }

void Form2::openMusicPreview(const QString& switchWord) { Windows::get<Form15>()->openPreview(switchWord); }

void Form2::Label_quanpingMouseUp() {
    PopupMenu_zhujiemian_youshangjiao_caidan->popup(
        Label_quanping->mapToGlobal(Label_quanping->rect().center()));
}

void Form2::Label_huanyuanMouseUp() { openWebPage(kProductPage); }
void Form2::Button34Click() { openWebPage(kTemplatePage); }

void Form2::HelpClick() {
    // The help entries have no work of their own in the main window.
}

void Form2::Timer_zidongkongzhiTimer() {
    Timer_zidongkongzhi->setEnabled(false);
    if (state_.Edit_zidongkongzhi == StateWord::kOpenTemplateManager) Button11Click();
}
