#include "app/Form2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QToolTip>

#include "app/AlbumPreview.h"
#include "app/Form16.h"
#include "app/Form18.h"
#include "app/InterfacePictures.h"
#include "app/Messages.h"
#include "app/Program.h"
#include "platform/FlashPlayer.h"
#include "platform/FolderWipe.h"
#include "platform/CaptionBar.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "templates/Container.h"
#include "templates/LibraryFolders.h"
#include "templates/TemplateTables.h"

namespace {
// The start-up animation archive is exactly this long; any other size ends the program.
constexpr qint64 kStartupArchiveSize = 29954;
constexpr int kStartupLayers = 13;
const QString kStartupMarkerVariable = "k_r_d_p_w_t_g_r_w";
const QString kStartupMarkerValue = "k_r_d_p_w_e_o_t_g_r_w_u_i";
const QString kVersion = "12.9";
}  // namespace

Form2::Form2(QWidget* parent) : Window("Form2", "Lumora", parent) {
    for (const AppStateField& field : AppStateFields()) bindField(field.name, &(state_.*field.member));

    ListBox_saomiaomobanwenjian_ini = addTable("ListBox_saomiaomobanwenjian_ini", {"文件"});
    ListBox_saomiaomobanwenjian_swf = addTable("ListBox_saomiaomobanwenjian_swf", {"文件"});
    ListView_mobancanshu = addTable("ListView_mobancanshu", ParameterTable::Captions());
    ListView_hengzhaopian = addTable("ListView_hengzhaopian", ClassTable::Captions());
    ListView_shuzhaopian = addTable("ListView_shuzhaopian", ClassTable::Captions());
    ListView_gaojimoban = addTable("ListView_gaojimoban", ClassTable::Captions());
    ListView_daoru_moban = addTable("ListView_daoru_moban", TemplateSummaryCaptions());
    ListView_daoru_yinyue = addTable("ListView_daoru_yinyue", MusicSummaryCaptions());
    ListView_daoru_geci = addTable("ListView_daoru_geci", LyricSummaryCaptions());
    ListBox_yijing_wancheng_shiyongmoban_hanghao =
        addTable("ListBox_yijing_wancheng_shiyongmoban_hanghao", {"行号"});
    ListView_LRC_1 = addTable("ListView_LRC_1", LyricLinesCaptions());
    ListBox_LRC_1 = addTable("ListBox_LRC_1", LyricPositionsCaptions());
    ListBox_LRC_2 = addTable("ListBox_LRC_2", LyricPositionsCaptions());
    ListBox_LRC_3 = addTable("ListBox_LRC_3", LyricHeaderCaptions());
    ListView_LRC_2 = addTable("ListView_LRC_2", LyricEntriesCaptions());
    ListView_LRC_3 = addTable("ListView_LRC_3", LyricTimelineCaptions());

    Timer_jiazai = new Timer(this, 1, [this] { Timer_jiazaiTimer(); });
    Timer_jiazai->setObjectName("Timer_jiazai");
    Timer_zidongkongzhi = new Timer(this, 1, [this] { Timer_zidongkongzhiTimer(); });
    Timer_zidongkongzhi->setObjectName("Timer_zidongkongzhi");

    QLabel* background = AddBackgroundPicture(this);
    background->setPixmap(QPixmap::fromImage(LoadInterfacePicture(InterfacePicture::Background)));
    buildPhotoArea();
    buildToolbar();
    buildPlayBar();
    buildPhotoCells();
    buildSummaries();
    buildMakeGroup();
    buildHiddenEntryPoints();
    buildCaption();
    buildMenu();
    LayOutBackground(this);
    connectEntryPoints();
    preview_ = new AlbumPreview(*this, state_,
                                {ScrollBox_zhujiemian, Image_zhujiemian, Image_zhujiemian_load, Label_LRC, Label_LRC_2,
                                 Label_danqianshijian, Label_zongshijian});
}

Form2::~Form2() = default;

void Form2::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    if (opened_) return;
    opened_ = true;
    FormShow();
}

void Form2::FormShow() {
    Label_LRC->clear();
    Label_LRC_2->clear();
    // Qt widgets are double-buffered already; nothing to switch on for the main window,
    // the photo area or the photo cells.
    state_.FirstPageLoadWord = "kaishi";
    Button1Click();
    Button2Click();
    Button5Click();

    QPalette hint = QToolTip::palette();
    hint.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0x00));
    hint.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hint);
    QFont hintFont = QToolTip::font();
    hintFont.setPointSize(10);
    QToolTip::setFont(hintFont);

    if (!playStartupAnimation() && Program::ended()) return;

    shareBackground();
    WipeFolder(Folders::PreviewWork());
    WipeFolder(Folders::TransferWork());

    Label_banben->setText("版本 " + kVersion);
    Label_banben->setStyleSheet("color: #e8eef4;");
    Label_banben->move(300, 18);
    Label_banben->adjustSize();
    Label_banben->show();
    Label_banben->raise();
    Image_ico->setGeometry(7, 8, 32, 32);
    Image_ico->raise();
}

// The start-up animation: the archive's size check, 13 strips through the working folder,
// the player over the photo area, the marker check. Answers whether it plays; a failed
// check ends the program, an archive that does not unwrap is reported and the window opens
// without the animation.
bool Form2::playStartupAnimation() {
    const QFileInfo archive(Folders::StartupArchive());
    const qint64 size = archive.exists() ? archive.size() : -1;
    if (size != kStartupArchiveSize) {
        Program::end();
        return false;
    }
    const QString work = Folders::TemplateWork();
    const QString movie = work + "/wj_0_or_2_2_d.swf";
    const ContainerResult unwrapped = UnwrapContainer(
        archive.filePath(), kStartupLayers,
        [&work](int pass) {
            return work + "/wj_0_or_2_2_d_2" + QString::number(pass) + TimeOfDayDigits() + ".rar";
        },
        movie);
    if (!unwrapped) {
        ShowMessage("启动动画无法解压：" + unwrapped.error);
        return false;
    }

    auto* player = new FlashPlayer(ScrollBox_qi_dong_dong_hua, "ShockwaveFlash_2_qi_dong_dong_hua");
    ShockwaveFlash_2_qi_dong_dong_hua = player;
    player->setVisible(true);
    ScrollBox_qi_dong_dong_hua->setGeometry(ScrollBox_zhujiemian->geometry());
    ScrollBox_qi_dong_dong_hua->show();
    ScrollBox_qi_dong_dong_hua->raise();
    player->setEnabled(true);
    player->setGeometry(0, 0, ScrollBox_qi_dong_dong_hua->width(), ScrollBox_qi_dong_dong_hua->height());
    player->hide();
    player->show();
    player->setFocus();
    // A disabled player ignores the mouse and the keyboard while it plays.
    player->setEnabled(false);

    player->setMovie(movie);
    player->setFrameNum(player->TotalFrames());
    player->setFrameNum(0);
    player->Play();
    if (player->GetVariable(kStartupMarkerVariable) != kStartupMarkerValue) {
        Program::end();
        return false;
    }
    if (QFile::exists(movie)) QFile::remove(movie);
    return true;
}

void Form2::freeStartupAnimation() {
    if (state_.Edit_ShockwaveFlash_qi_dong_dong_hua != "0") return;
    if (ShockwaveFlash_2_qi_dong_dong_hua) {
        ShockwaveFlash_2_qi_dong_dong_hua->Stop();
        delete ShockwaveFlash_2_qi_dong_dong_hua;
        ShockwaveFlash_2_qi_dong_dong_hua = nullptr;
    }
    ScrollBox_qi_dong_dong_hua->hide();
    state_.Edit_ShockwaveFlash_qi_dong_dong_hua = "1";
}

// Every window shows the main window's background picture, except the system settings
// window, which keeps its own; in every window it lies behind all other controls.
void Form2::shareBackground() {
    QLabel* own = BackgroundPicture(this);
    const QPixmap picture = own ? own->pixmap() : QPixmap();
    const Window* settings = Windows::get<Form18>();
    for (Window* window : Windows::all()) {
        QLabel* background = BackgroundPicture(window);
        if (!background) continue;
        if (window != this && window != settings) background->setPixmap(picture);
        LayOutBackground(window);
    }
}

void Form2::Button3Click() {
    Button18Click();
    Form16* confirm = Windows::get<Form16>();
    confirm->setWindowTitle("退出软件");
    confirm->setMessage("是否退出软件?");
    confirm->showModal();
}

void Form2::closeEvent(QCloseEvent* event) {
    if (Program::ended()) return Window::closeEvent(event);
    event->ignore();
    Button3Click();
}

// QDialog turns Esc into reject(). Running the exit command there would stop a playing
// album and ask to quit at a stray key press, and closing the window would leave the
// program alive behind the hidden loading window; so Esc does nothing.
void Form2::reject() {
    if (Program::ended()) Window::reject();
}
