#include "templates/Form19.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "platform/CaptionBar.h"
#include "platform/Events.h"
#include "platform/FlashPlayer.h"
#include "platform/FolderWipe.h"
#include "platform/Jpeg.h"
#include "platform/Paint.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "production/MakingWords.h"
#include "templates/BarList.h"
#include "templates/Container.h"
#include "templates/Form19Pictures.h"
#include "templates/LibraryFolders.h"
#include "templates/TemplateManagerServices.h"
#include "templates/TemplateTables.h"

namespace {
const QString kPlayerName = QStringLiteral("ShockwaveFlash_yulan_Form19chuangkou");
const QString kPreparing = QStringLiteral("bushiyong");
const QString kLoaded = QStringLiteral("shiyong");
const QString kFitMark = QStringLiteral("shizhong");
constexpr int kTemplateLayers = 20;
constexpr QSize kArea{640, 360};
// The movie's own pace: 25 frames a second.
constexpr int kFrameIntervalMs = 1000 / FlashPlayer::kFramesPerSecond;
// A loaded movie is let run to this frame (or its last) before the preview starts.
constexpr int kStartFrame = 20;
constexpr int kStartWaitMs = 2000;
constexpr int kWipeWaitMs = 3000;

const TextTable* TableOf(const char* window, const char* table) {
    Window* w = Windows::find(window);
    return w ? w->table(table) : nullptr;
}

void FillLines(TextTable& table, const QStringList& items) {
    table.clear();
    for (const QString& item : items) table.addRow({item});
}

QStringList Lines(const TextTable& table) {
    QStringList lines;
    for (int row = 0; row < table.rowCount(); ++row) lines.append(table.cell(row, 0));
    return lines;
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent, QRect box) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(box);
    return button;
}
}  // namespace

Form19::Form19(QWidget* parent) : Window("Form19", "预览模板", parent) {
    resize(680, 462);
    SkinSmallWindow(this);
    for (auto [name, field] : {std::pair{"Edit_caozuo_xuanze", &Edit_caozuo_xuanze},
                               {"Edit_xuanzhong_hang", &Edit_xuanzhong_hang},
                               {"Edit_mobandizhi", &Edit_mobandizhi},
                               {"Edit_mobandizhi_2", &Edit_mobandizhi_2},
                               {"Edit_mingcheng", &Edit_mingcheng},
                               {"Edit_leixing", &Edit_leixing},
                               {"Edit_hengzhaopian", &Edit_hengzhaopian},
                               {"Edit_shuzhaopian", &Edit_shuzhaopian},
                               {"Edit_shichang", &Edit_shichang},
                               {"Edit_fenlei", &Edit_fenlei},
                               {"Edit_chuli_zhaopianchicun_num", &Edit_chuli_zhaopianchicun_num},
                               {"Edit_dangqian_zhenshuo_leijia", &Edit_dangqian_zhenshuo_leijia},
                               {"Edit_danxuananziu_kaiguan", &Edit_danxuananziu_kaiguan}})
        bindField(name, field);
    ListBox_picture_hanghao = addTable("ListBox_picture_hanghao", {"行号"});
    ListBox_chuli_zhaopianchicun_chuli_2 = addTable("ListBox_chuli_zhaopianchicun_chuli_2", {"宽度"});
    ListBox_chuli_zhaopianchicun_chuli_3 = addTable("ListBox_chuli_zhaopianchicun_chuli_3", {"高度"});
    ListBox_chuli_hengzhao_shuzhao_shuju_2 = addTable("ListBox_chuli_hengzhao_shuzhao_shuju_2", {"picture"});

    ScrollBox_mobanyuelan = new QWidget(this);
    ScrollBox_mobanyuelan->setObjectName("ScrollBox_mobanyuelan");
    ScrollBox_mobanyuelan->setGeometry(QRect({20, 47}, kArea));
    ScrollBox_mobanyuelan->setStyleSheet("background: black");
    ScrollBox_mobanyuelan->setAttribute(Qt::WA_StyledBackground);
    Image_moban_yuanlan = new QLabel(ScrollBox_mobanyuelan);
    Image_moban_yuanlan->setObjectName("Image_moban_yuanlan");
    Image_moban_yuanlan->setGeometry(QRect({0, 0}, kArea));
    Image_moban_yuanlan->setScaledContents(true);

    ScrollBox_moban = new QWidget(this);
    ScrollBox_moban->setObjectName("ScrollBox_moban");
    ScrollBox_moban->setGeometry(QRect({width() - 1, height() - 1}, kArea));

    // The placeholder panel is only ever painted into pictures.
    ScrollBox_mobanyulan_jietu = new QWidget(this);
    ScrollBox_mobanyulan_jietu->setObjectName("ScrollBox_mobanyulan_jietu");
    ScrollBox_mobanyulan_jietu->setStyleSheet("background: #008080");
    ScrollBox_mobanyulan_jietu->setAttribute(Qt::WA_StyledBackground);
    ScrollBox_mobanyulan_jietu->hide();
    Label_picture = new QLabel("picture", ScrollBox_mobanyulan_jietu);
    Label_picture->setObjectName("Label_picture");
    Label_picture->setStyleSheet("color: white; font-size: 14px");
    Label_picture->adjustSize();

    const int row = ScrollBox_mobanyuelan->geometry().bottom() + 14;
    RadioButton_quanping = new QRadioButton("照片全屏显示效果", this);
    RadioButton_quanping->setObjectName("RadioButton_quanping");
    RadioButton_quanping->setGeometry(20, row, 150, 26);
    RadioButton_quanping->setChecked(true);
    RadioButton_shizhong = new QRadioButton("照片适中显示效果", this);
    RadioButton_shizhong->setObjectName("RadioButton_shizhong");
    RadioButton_shizhong->setGeometry(176, row, 150, 26);
    connect(RadioButton_quanping, &QRadioButton::clicked, this, &Form19::RadioButton_quanpingClick);
    connect(RadioButton_shizhong, &QRadioButton::clicked, this, &Form19::RadioButton_shizhongClick);

    playButton_ = Button("Button2", "播放", this, {400, row, 80, 28});
    stopButton_ = Button("Button3", "停止", this, {490, row, 80, 28});
    backButton_ = Button("Button6", "返回", this, {580, row, 80, 28});
    connect(playButton_, &QPushButton::clicked, this, &Form19::Button2Click);
    connect(stopButton_, &QPushButton::clicked, this, &Form19::Button3Click);
    connect(backButton_, &QPushButton::clicked, this, &Form19::Button6Click);

    Timer_yulanmoban_yumoban = new Timer(this, 1, [this] { Timer_yulanmoban_yumobanTimer(); });
    Timer_yulanmoban_yumoban->setObjectName("Timer_yulanmoban_yumoban");
    Timer_ShockwaveFlash_moban = new Timer(this, kFrameIntervalMs, [this] { Timer_ShockwaveFlash_mobanTimer(); });
    Timer_ShockwaveFlash_moban->setObjectName("Timer_ShockwaveFlash_moban");
}

QSize Form19::previewArea() const { return ScrollBox_mobanyuelan->size(); }

QImage Form19::shownFrame() const { return Image_moban_yuanlan->pixmap().toImage(); }

bool Form19::prepared() const { return Edit_danxuananziu_kaiguan == kLoaded; }

bool Form19::playing() const { return Timer_ShockwaveFlash_moban->enabled(); }

QString Form19::extension() const {
    Window* main = Windows::find("Form2");
    const QString ext = main ? main->field("Edit_kuozhanming_1") : QString();
    return ext.isEmpty() ? QStringLiteral(".rar") : ext;
}

PhotoDisplay Form19::display() const {
    return RadioButton_shizhong->isChecked() ? PhotoDisplay::Fit : PhotoDisplay::Full;
}

bool Form19::libraryMode() const { return Edit_caozuo_xuanze == kLibraryPreviewMode; }

// ---- The caller's side.

void Form19::preview(const TemplatePreviewRequest& request) {
    const QString ext = extension();
    const int checks = RecreateTemplatePreviewFolders();
    auto wipe = [] {
        const QString work = Folders::PreviewWork();
        waitUntil([&work] {
            WipeFolder(work);
            return !QFile::exists(work);
        }, kWipeWaitMs);
    };
    if (checks == 0) {
        TemplateServices().showMessage("无法建立预览文件夹: " + QDir::toNativeSeparators(TemplatePreviewLayout::Folder()));
        wipe();
        return;
    }

    QString container;
    if (const TextTable* parameters = TableOf("Form2", "ListView_mobancanshu"))
        container = ParameterTable::MoviePath(
            *parameters, ParameterTable::RowOfTemplate(*parameters, request.templateCells.value(0).toInt()));
    QDir().mkpath(Folders::TemplateWork());
    const ContainerResult unwrapped = UnwrapContainer(
        container, kTemplateLayers,
        [&](int pass) {
            return request.intermediateName ? request.intermediateName(checks, pass)
                                            : Folders::TemplateWork() + "/wj_y_l_d_g_1" + QString::number(checks) +
                                                  "-" + QString::number(pass) + TimeOfDayDigits() + ext;
        },
        TemplatePreviewLayout::Movie(ext));
    if (!unwrapped) {
        TemplateServices().showMessage(unwrapped.error);
        wipe();
        return;
    }
    QFile::remove(TemplatePreviewLayout::MovieCopy(ext));
    QFile::copy(TemplatePreviewLayout::Movie(ext), TemplatePreviewLayout::MovieCopy(ext));

    Edit_caozuo_xuanze = request.mode;
    Edit_xuanzhong_hang = QString::number(request.row);
    Edit_mobandizhi = TemplatePreviewLayout::Movie(ext);
    Edit_mobandizhi_2 = TemplatePreviewLayout::MovieCopy(ext);
    QString* details[] = {&Edit_mingcheng, &Edit_leixing, &Edit_hengzhaopian, &Edit_shuzhaopian, &Edit_shichang,
                          &Edit_fenlei};
    for (int k = 0; k < 6; ++k) *details[k] = request.templateCells.value(k + 1);
    QStringList slotRows;
    for (int row : request.slotRows) slotRows.append(QString::number(row));
    FillLines(*ListBox_picture_hanghao, slotRows);
    chosenSlotRow_ = request.chosenSlotRow;

    Timer_yulanmoban_yumoban->setEnabled(true);
    showModal();
    // Closed from outside before the preparation ran: it never runs.
    Timer_yulanmoban_yumoban->setEnabled(false);
    wipe();
}

// ---- Preparation and load.

void Form19::Timer_yulanmoban_yumobanTimer() {
    Timer_yulanmoban_yumoban->setEnabled(false);
    setControls(false, false, false);
    Image_moban_yuanlan->clear();
    createPlayer();

    Edit_danxuananziu_kaiguan = kPreparing;
    RadioButton_quanping->setChecked(true);
    RadioButton_quanping->hide();
    RadioButton_shizhong->hide();
    if (Edit_caozuo_xuanze == kPhotoPreviewMode) {
        for (const ManagerSlot& slot : TemplateServices().album().slotList)
            if (slot.row == chosenSlotRow_ && slot.cropMark == kFitMark) RadioButton_shizhong->setChecked(true);
    }

    const TextTable* list = TableOf("Form8", libraryMode() ? "ListView_moban" : "ListView_moban_shiyong");
    Edit_chuli_zhaopianchicun_num = list ? list->cell(Edit_xuanzhong_hang.toInt(), 0) : QString();
    Button18Click();
    const TextTable* parameters = TableOf("Form2", "ListView_mobancanshu");
    const int parameterRow =
        parameters ? ParameterTable::RowOfTemplate(*parameters, Edit_chuli_zhaopianchicun_num.toInt()) : -1;
    FillLines(*ListBox_chuli_hengzhao_shuzhao_shuju_2,
              parameters ? SplitBarList(ParameterTable::PictureNames(*parameters, parameterRow)) : QStringList());

    writePictures();
    if (!isVisible()) return;
    if (!loadMovie()) return;

    QFile::remove(Edit_mobandizhi_2);
    picturesChanged_ = false;
    Edit_dangqian_zhenshuo_leijia = "-1";
    setControls(false, false, false);
    Edit_danxuananziu_kaiguan = kLoaded;
    Timer_ShockwaveFlash_moban->setEnabled(true);
}

void Form19::createPlayer() {
    freePlayer();
    const QSize area = previewArea();
    auto* player = new FlashPlayer(ScrollBox_moban, kPlayerName);
    ShockwaveFlash_yulan_Form19chuangkou = player;
    player->setVisible(true);
    player->setEnabled(true);
    player->setGeometry(QRect({0, 0}, area));
    player->hide();
    player->show();
    player->setFocus();
    // The preview only shows copies of its frames; the player itself ignores the user.
    player->setEnabled(false);
    ScrollBox_moban->setGeometry(QRect({width() - 1, height() - 1}, area));
    Image_moban_yuanlan->setGeometry(QRect({0, 0}, area));
}

void Form19::freePlayer() {
    delete ShockwaveFlash_yulan_Form19chuangkou;
    ShockwaveFlash_yulan_Form19chuangkou = nullptr;
}

void Form19::writePictures() {
    if (libraryMode()) {
        WriteBlackPicture(kBlackBackgroundSize, TemplatePreviewLayout::Background());
        WriteBlackPicture(kHandOverPictureSize, PreviewLayout::HandOverPicture());
        writePlaceholders();
        return;
    }
    WriteBlackPicture(kHandOverPictureSize, PreviewLayout::HandOverPicture());
    writeAlbumPictures();
}

void Form19::writePlaceholders() {
    const TextTable* list = TableOf("Form8", "ListView_moban");
    const QString category =
        list ? list->cell(Edit_xuanzhong_hang.toInt(), TemplateList::Col::Group) : Edit_fenlei;
    if (category == kHorizontalCategory) {
        RadioButton_quanping->show();
        RadioButton_shizhong->show();
    }
    const QStringList items = Lines(*ListBox_chuli_hengzhao_shuzhao_shuju_2);
    const QStringList widths = Lines(*ListBox_chuli_zhaopianchicun_chuli_2);
    const QStringList heights = Lines(*ListBox_chuli_zhaopianchicun_chuli_3);
    for (int k = 0; k < items.size(); ++k) {
        if (items[k].isEmpty()) continue;
        const QSize item(widths.value(k).toInt(), heights.value(k).toInt());
        const QSize box = PlaceholderSize(category, item, display(), previewArea()).expandedTo(QSize(1, 1));
        ScrollBox_mobanyulan_jietu->resize(box);
        Label_picture->move(box.width() / 2 - Label_picture->width() / 2,
                            box.height() / 2 - Label_picture->height() / 2);
        WriteJpeg(paintWidget(ScrollBox_mobanyulan_jietu), TemplatePreviewLayout::Picture(items[k]));
    }
}

void Form19::writeAlbumPictures() {
    const PreviewAlbum album = TemplateServices().previewAlbum();
    const int row = Edit_xuanzhong_hang.toInt();
    if (row < 0 || row >= album.templates.size()) return;
    const PreviewTemplate& entry = album.templates[row];
    if (Edit_caozuo_xuanze == kUsedPreviewMode && entry.category == kHorizontalCategory) {
        RadioButton_quanping->show();
        RadioButton_shizhong->show();
    }
    PreviewBuildOptions options;
    options.area = previewArea();
    options.display = display();
    options.writeBackground = album.hasBackgrounds;
    QStringList unreadable;
    WriteTemplatePictures(entry, TemplatePreviewLayout::Folder(), options, TemplateServices().photoPainter(),
                          unreadable);
    if (!unreadable.isEmpty()) {
        PreviewBuildResult named;
        named.unreadablePhotos = unreadable;
        TemplateServices().showMessage(named.unreadableMessage());
    }
}

// Loads the movie (its second copy first, as the preview always has), checks its marker
// and lets it start. Answers false when the preview cannot go on.
bool Form19::loadMovie() {
    QString error;
    if (!player()->setMovie(Edit_mobandizhi_2, &error)) {
        failPreview(error);
        return false;
    }
    player()->Stop();
    if (!player()->setMovie(Edit_mobandizhi, &error)) {
        failPreview(error);
        return false;
    }
    if (player()->GetVariable(MakingWord::kMovieMarkerVariable) != MakingWord::kMovieMarkerValue) {
        TemplateServices().endProgram();
        reject();
        return false;
    }
    FlashPlayer* movie = player();
    movie->setFrameNum(0);
    movie->setFrameNum(movie->TotalFrames());
    movie->setFrameNum(0);
    movie->Stop();
    movie->Play();
    const int started = qMin(kStartFrame, movie->TotalFrames() - 1);
    QPointer<Form19> guard(this);
    waitUntil([&] { return !guard || !player() || player()->FrameNum() >= started; }, kStartWaitMs);
    if (!guard || !player()) return false;
    // From here on only the frame timer moves the movie.
    player()->Stop();
    return isVisible();
}

void Form19::failPreview(const QString& message) {
    TemplateServices().showMessage(message.isEmpty() ? "无法加载模板文件: " + Edit_mobandizhi : message);
    reject();
}

// ---- Frames.

void Form19::Timer_ShockwaveFlash_mobanTimer() {
    FlashPlayer* movie = player();
    if (!movie) {
        Timer_ShockwaveFlash_moban->setEnabled(false);
        setControls(true, true, true);
        return;
    }
    const int counter = Edit_dangqian_zhenshuo_leijia.toInt() + 1;
    Edit_dangqian_zhenshuo_leijia = QString::number(counter);
    movie->setFrameNum(counter);
    Image_moban_yuanlan->setPixmap(QPixmap::fromImage(movie->paintFrame()));
    // The last frame ends the run; so does a movie without frames.
    if (movie->FrameNum() + 1 >= movie->TotalFrames()) {
        Timer_ShockwaveFlash_moban->setEnabled(false);
        setControls(true, true, true);
    }
}

void Form19::setControls(bool back, bool play, bool display) {
    backButton_->setEnabled(back);
    playButton_->setEnabled(play);
    RadioButton_quanping->setEnabled(display);
    RadioButton_shizhong->setEnabled(display);
}

void Form19::play() {
    if (!player() || !prepared()) return;
    // Pictures made again for the other display are read with the movie.
    if (picturesChanged_) {
        QString error;
        if (!player()->setMovie(Edit_mobandizhi, &error)) return failPreview(error);
        player()->Stop();
        picturesChanged_ = false;
    }
    setControls(false, false, false);
    Edit_dangqian_zhenshuo_leijia = "-1";
    Timer_ShockwaveFlash_moban->setEnabled(true);
}

void Form19::stop() {
    Timer_ShockwaveFlash_moban->setEnabled(false);
    // 返回 too: a stopped preview can always be left.
    setControls(true, true, true);
    Image_moban_yuanlan->clear();
}

void Form19::Button2Click() { play(); }
void Form19::Button4Click() { play(); }
void Form19::Button3Click() { stop(); }
void Form19::Button5Click() { stop(); }
void Form19::Button6Click() { reject(); }
void Form19::Button1Click() { reject(); }

void Form19::RadioButton_quanpingClick() {
    if (Edit_danxuananziu_kaiguan == kPreparing) return;
    if (libraryMode()) writePlaceholders();
    else writeAlbumPictures();
    picturesChanged_ = true;
}

void Form19::RadioButton_shizhongClick() { RadioButton_quanpingClick(); }

void Form19::Button18Click() {
    const TextTable* parameters = TableOf("Form2", "ListView_mobancanshu");
    if (!parameters) return;
    const int row = ParameterTable::RowOfTemplate(*parameters, Edit_chuli_zhaopianchicun_num.toInt());
    FillLines(*ListBox_chuli_zhaopianchicun_chuli_2, SplitBarList(parameters->cell(row, ParameterTable::Col::Widths)));
    FillLines(*ListBox_chuli_zhaopianchicun_chuli_3, SplitBarList(parameters->cell(row, ParameterTable::Col::Heights)));
}

void Form19::done(int result) {
    Timer_yulanmoban_yumoban->setEnabled(false);
    Timer_ShockwaveFlash_moban->setEnabled(false);
    freePlayer();
    Edit_danxuananziu_kaiguan.clear();
    Window::done(result);
}
