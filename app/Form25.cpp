#include "app/Form25.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>

#include "app/DialogParts.h"
#include "app/Form25Lyrics.h"
#include "app/Form2.h"
#include "app/Messages.h"
#include "platform/CaptionBar.h"
#include "platform/Desktop.h"
#include "platform/Events.h"
#include "platform/FlashPlayer.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "production/MakingPlan.h"
#include "production/MakingWords.h"
#include "templates/PreviewFolders.h"

Form25::Form25(QWidget* parent)
    : Window("Form25", "制作相册", parent), lyrics_(std::make_unique<MakingLyrics>()) {
    resize(560, 300);
    if (CaptionBar* caption = SkinSmallWindow(this, false))
        Q_UNUSED(caption);  // the close label of this window only shows its states

    ListView_xuyao_shiyongmoban_shuliang = addTable("ListView_xuyao_shiyongmoban_shuliang", TemplatePlanCaptions());
    ListView_xuyao_yinyue_shuliang = addTable("ListView_xuyao_yinyue_shuliang", MusicPlanCaptions());
    ListBox_duiying_keyong_hanghao = addTable("ListBox_duiying_keyong_hanghao", {"行号"});
    ListBox_cuowu_yichang_xianshi = addTable("ListBox_cuowu_yichang_xianshi", {"错误"});
    ListBox_jiazai_FLASH_xianshi = addTable("ListBox_jiazai_FLASH_xianshi", {"加载"});

    const std::pair<const char*, QString*> fields[] = {
        {"Edit_zhizuo_zongzhen_sum", &Edit_zhizuo_zongzhen_sum},
        {"Edit_zhizuo_zhenshu_leijia_sum", &Edit_zhizuo_zhenshu_leijia_sum},
        {"Edit_tuichu", &Edit_tuichu},
        {"Edit_moban_hanghao_leijia", &Edit_moban_hanghao_leijia},
        {"Edit_dangemoban_leijiazhen_num", &Edit_dangemoban_leijiazhen_num},
        {"Edit_moban_jietu_kaiguan", &Edit_moban_jietu_kaiguan},
        {"Edit_Lrc_geci_kaiguan", &Edit_Lrc_geci_kaiguan},
        {"Edit_shijian_zhen_lrc", &Edit_shijian_zhen_lrc},
        {"Edit_shijian_lrc", &Edit_shijian_lrc},
        {"Edit_yinyue_hanghao_leijia", &Edit_yinyue_hanghao_leijia},
        {"Edit_Falsh_Width", &Edit_Falsh_Width},
        {"Edit_Falsh_Height", &Edit_Falsh_Height},
        {"Edit_Zhaopian_Width", &Edit_Zhaopian_Width},
        {"Edit_Zhaopian_Height", &Edit_Zhaopian_Height},
        {"Edit_dongtaichuangjian_Flash_kaiguan", &Edit_dongtaichuangjian_Flash_kaiguan},
        {"Edit_Falsh_wuxiao_jiance02", &Edit_Falsh_wuxiao_jiance02},
        {"Edit_baocun_wenjianming", &Edit_baocun_wenjianming},
        {"edVideoIn", &edVideoIn},
        {"edAudioIn", &edAudioIn},
        {"edVideoOut", &edVideoOut},
        {"edAudioOut", &edAudioOut},
    };
    for (auto [name, field] : fields)
        bindField(name, field);
    Edit_tuichu = MakingWord::kPreparing;

    // The player's host box lies outside the visible area: frames are painted from it,
    // never shown.
    ScrollBox_moban = new QWidget(this);
    ScrollBox_moban->setObjectName("ScrollBox_moban");
    ScrollBox_moban->setGeometry(-4000, -4000, 320, 176);
    Label_LRC = new QLabel(ScrollBox_moban);
    Label_LRC->setObjectName("Label_LRC");
    Label_LRC->hide();

    auto* title = new QLabel("正在制作相册,请稍候……", this);
    title->setGeometry(20, 48, 520, 20);
    ProgressBar_tongyong_jindutiao = new QProgressBar(this);
    ProgressBar_tongyong_jindutiao->setObjectName("ProgressBar_tongyong_jindutiao");
    ProgressBar_tongyong_jindutiao->setGeometry(20, 80, 520, 22);
    ProgressBar_kaishi_zhizuo_xiangce = new QProgressBar(this);
    ProgressBar_kaishi_zhizuo_xiangce->setObjectName("ProgressBar_kaishi_zhizuo_xiangce");
    ProgressBar_kaishi_zhizuo_xiangce->setGeometry(20, 116, 520, 22);
    Button_tingzhi_zhizuo = DialogButton("Button_tingzhi_zhizuo", "停止制作", this);
    Button_tingzhi_zhizuo->move(230, 156);
    Button_tingzhi_zhizuo->setEnabled(false);
    connect(Button_tingzhi_zhizuo, &QPushButton::clicked, this, &Form25::Button_tingzhi_zhizuoClick);

    bottomPanel_ = new QWidget(this);
    bottomPanel_->setObjectName("ScrollBox_dakaibaocun");
    CheckBox_wancheng_dakai_wenjianjia = new QCheckBox("完成后打开保存文件夹", bottomPanel_);
    CheckBox_wancheng_dakai_wenjianjia->setObjectName("CheckBox_wancheng_dakai_wenjianjia");
    CheckBox_wancheng_dakai_wenjianjia->setGeometry(10, 4, 170, 22);
    CheckBox_wancheng_guanji = new QCheckBox("完成后自动关机", bottomPanel_);
    CheckBox_wancheng_guanji->setObjectName("CheckBox_wancheng_guanji");
    CheckBox_wancheng_guanji->setGeometry(10, 28, 170, 22);
    auto* nameCaption = new QLabel("文件名:", bottomPanel_);
    nameCaption->setGeometry(190, 16, 50, 22);
    nameField_ = new QLineEdit(bottomPanel_);
    nameField_->setObjectName("Edit_baocun_wenjianming");
    nameField_->setReadOnly(true);
    nameField_->setStyleSheet("QLineEdit { background: black; color: yellow; font-weight: bold; }");
    nameField_->setGeometry(240, 16, 180, 22);
    suiButton2 = DialogButton("suiButton2", "打开保存位置", bottomPanel_);
    suiButton2->setGeometry(430, 14, 110, 26);
    connect(suiButton2, &QPushButton::clicked, this, &Form25::suiButton2Click);

    // The hidden test panel: only the keep-duration choice is used.
    chkKeepDuration = new QCheckBox("Keep original duration", this);
    chkKeepDuration->setObjectName("chkKeepDuration");
    chkKeepDuration->setChecked(true);
    chkKeepDuration->hide();

    Timer_zhizuo_xiangce = new Timer(this, 1, [this] { PrepareAlbum(); });
    Timer_zhizuo_xiangce->setObjectName("Timer_zhizuo_xiangce");
    Timer_guanbi_chuangkou = new Timer(this, 2000, [this] { FinishAlbum(); });
    Timer_guanbi_chuangkou->setObjectName("Timer_guanbi_chuangkou");
}

Form25::~Form25() {
    if (conversion_) {
        MclAbort(conversion_);
    }
}

QString Form25::FrameFilePath() { return PreviewLayout::FrameFile(); }
QString Form25::HandOverPicturePath() { return PreviewLayout::HandOverPicture(); }

void Form25::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    FormShow();
}

void Form25::FormShow() {
    nameField_->setText(Edit_baocun_wenjianming);
    bottomPanel_->setGeometry(0, height() - 30 - 56, width(), 56);
}

void Form25::reject() {}

bool Form25::stopped() const { return Edit_tuichu == MakingWord::kStopped; }

void Form25::LogProgress(const QString& text) {
    while (lstProgress.size() >= kMaxProgressLines)
        lstProgress.removeFirst();
    lstProgress.append(text);
    processPendingEvents();
}

void Form25::openSaveFolder() {
    Form2* main = Windows::get<Form2>();
    if (main && main->state().Edit_zhizuo_zhuan_zhizuo == MakingWord::kDvdToVcd) {
        Desktop::current().openExternal(main->state().Edit_xiangce_baocun_weizhi);
        return;
    }
    Desktop::current().openExternal(QFileInfo(edVideoOut).absolutePath());
}

void Form25::suiButton2Click() { openSaveFolder(); }
void Form25::Button1Click() { openSaveFolder(); }

void Form25::Button_tingzhi_zhizuoClick() {
    if (Form2* main = Windows::get<Form2>())
        main->state().Edit_wancheng = MakingWord::kPictureDone;
    Edit_tuichu = MakingWord::kStopped;
    AbortConversion();
    if (CheckBox_wancheng_dakai_wenjianjia->isChecked())
        openSaveFolder();
    EndMaking(true);
}

// Ends the making: timers off, the partial file removed when asked, the window closed.
void Form25::EndMaking(bool removeOutput) {
    Edit_tuichu = MakingWord::kStopped;
    Timer_zhizuo_xiangce->setEnabled(false);
    Timer_guanbi_chuangkou->setEnabled(false);
    Button_tingzhi_zhizuo->setEnabled(false);
    if (removeOutput && !converting_ && !edVideoOut.isEmpty())
        QFile::remove(edVideoOut);
    // While the conversion still runs, RunConversion removes the file once the library
    // has closed it.
    if (ShockwaveFlash1)
        ShockwaveFlash1->Stop();
    accept();
}

void Form25::FailMaking(const QString& message) {
    if (!Edit_wancheng_fail.isEmpty())
        return;  // one message per making
    Edit_wancheng_fail = message;
    AbortConversion();
    ShowMessage(message);
    EndMaking(true);
}
