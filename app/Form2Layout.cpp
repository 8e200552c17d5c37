// Form2's controls and their places.
//
// The window reads from top to bottom: the skinned caption bar; one row of function
// buttons grouped by what they work on (材料: photos, music, lyrics; 编辑: crop,
// backgrounds, templates; 设置: quality, synchronisation, system) with the product page on
// the right; the photo area with, beside it, the album's three summary lists and the make
// buttons; under the photo area the play bar (play, stop, the two time labels, the zoom
// buttons); at the bottom the nine photo cells between their paging arrows.
//
// The skinned twins of the function buttons (suiButton1 ...), the help entries and the page
// buttons Button20 and Button21 (the arrows run their commands) exist as hidden buttons:
// they are entry points by name, without a second visible copy of every function.

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTableView>

#include "app/Form2.h"
#include "app/InterfacePictures.h"
#include "app/PageView.h"
#include "platform/CaptionBar.h"
#include "platform/TextTable.h"
#include "platform/TextTableModel.h"

namespace {
constexpr int kWidth = 1180;
constexpr int kHeight = 720;
constexpr int kMargin = 12;
constexpr int kToolbarTop = 57;
constexpr int kButtonHeight = 30;
const QRect kPhotoArea(kMargin, 99, 800, 450);
constexpr int kColumnLeft = 824;             // the right-hand column
constexpr int kColumnWidth = kWidth - kColumnLeft - kMargin;
constexpr int kPlayBarTop = 557;
constexpr int kCellTop = 597;
constexpr int kCellWidth = 118;
constexpr int kCellHeight = 96;
constexpr int kCellGap = 4;
constexpr int kArrowWidth = 26;

const char* kStyle = R"(
QPushButton {
    color: #e8eef4; background: rgba(20, 34, 48, 200); border: 1px solid #3d5870;
    border-radius: 4px; padding: 0 10px; font-size: 13px;
}
QPushButton:hover { background: rgba(40, 70, 96, 230); border-color: #7fa8c8; }
QPushButton:pressed { background: rgba(12, 22, 32, 230); }
QPushButton:disabled { color: #7d8b97; }
QLabel#GroupTitle { color: #2c4358; font-size: 12px; }
QTableView {
    color: #e8eef4; background: rgba(14, 24, 34, 210); border: 1px solid #3d5870;
    gridline-color: #2a3e50; font-size: 12px; selection-background-color: #35607f;
}
QHeaderView::section {
    color: #c8d6e2; background: #1c2d3d; border: none; border-right: 1px solid #2a3e50;
    padding: 2px 4px; font-size: 12px;
}
QLabel[cell="true"] { background: rgba(14, 24, 34, 210); border: 1px solid #3d5870; }
)";

QLabel* NamedLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QLabel* GroupTitle(const QString& text, QWidget* parent, QPoint at) {
    auto* title = new QLabel(text, parent);
    title->setObjectName("GroupTitle");
    title->move(at);
    title->adjustSize();
    return title;
}

// The photo area's default picture: a calm field with a line saying what comes here.
QImage DefaultPhotoAreaPicture(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(0x16, 0x26, 0x36));
    shade.setColorAt(1, QColor(0x0b, 0x14, 0x1d));
    painter.fillRect(image.rect(), shade);
    painter.setPen(QColor(0x9f, 0xb9, 0xcf));
    QFont font = painter.font();
    font.setPixelSize(18);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, "添加照片后，在这里查看照片、预览相册");
    return image;
}
}  // namespace

QPushButton* Form2::addButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void Form2::buildPhotoArea() {
    resize(kWidth, kHeight);
    setStyleSheet(kStyle);
    ScrollBox_zhujiemian = new QWidget(this);
    ScrollBox_zhujiemian->setObjectName("ScrollBox_zhujiemian");
    ScrollBox_zhujiemian->setGeometry(kPhotoArea);
    ScrollBox_zhujiemian->setAutoFillBackground(true);
    ScrollBox_zhujiemian->setStyleSheet("#ScrollBox_zhujiemian { background: #0e1822; }");
    Image_zhujiemian_load = NamedLabel("Image_zhujiemian_load", this);
    Image_zhujiemian_load->setPixmap(QPixmap::fromImage(DefaultPhotoAreaPicture(kPhotoArea.size())));
    Image_zhujiemian_load->hide();
    Image_zhujiemian = NamedLabel("Image_zhujiemian", ScrollBox_zhujiemian);
    resetLargePhoto();
    ScrollBox_qi_dong_dong_hua = new QWidget(this);
    ScrollBox_qi_dong_dong_hua->setObjectName("ScrollBox_qi_dong_dong_hua");
    ScrollBox_qi_dong_dong_hua->hide();
    Label_LRC = NamedLabel("Label_LRC", this);
    Label_LRC_2 = NamedLabel("Label_LRC_2", this);
    for (QLabel* line : {Label_LRC, Label_LRC_2}) {
        line->setAlignment(Qt::AlignCenter);
        line->setStyleSheet("color: #ffffff; font-size: 20px;");
    }
    Label_LRC->setGeometry(kPhotoArea.left(), kPhotoArea.bottom() - 70, kPhotoArea.width(), 30);
    Label_LRC_2->setGeometry(kPhotoArea.left(), kPhotoArea.bottom() - 38, kPhotoArea.width(), 30);
    Label_banben = NamedLabel("Label_banben", this);
    Label_banben->hide();
    Image_ico = NamedLabel("Image_ico", this);
    Image_ico->setScaledContents(true);
    Image_ico->setPixmap(QPixmap::fromImage(LoadInterfacePicture(InterfacePicture::Icon)));
}

void Form2::resetLargePhoto() {
    Image_zhujiemian->setPixmap(Image_zhujiemian_load->pixmap());
    Image_zhujiemian->setGeometry(0, 0, kPhotoArea.width(), kPhotoArea.height());
}

void Form2::buildToolbar() {
    struct Entry {
        const char* name;
        const char* text;
    };
    const QList<QList<Entry>> groups = {
        {{"Button_gongneng_01", "添加照片"}, {"Button_gongneng_02", "添加音乐"},
         {"Button_gongneng_03", "添加歌词"}},
        {{"Button_gongneng_04", "照片剪裁"}, {"Button_beijingtupian_09", "背景图片"},
         {"Button_gongneng_07", "模板管理"}},
        {{"Button_gongneng_05", "画面质量"}, {"Button_gongneng_06", "同步效果"},
         {"Button_xitongshezhi_08", "系统设置"}},
    };
    int left = kMargin;
    for (const QList<Entry>& group : groups) {
        for (const Entry& entry : group) {
            QPushButton* button = addButton(this, entry.name, entry.text);
            button->setGeometry(left, kToolbarTop, 88, kButtonHeight);
            left += 92;
        }
        left += 18;
    }
    QPushButton* more = addButton(this, "Button34", "下载更多模板");
    more->setGeometry(kWidth - kMargin - 112, kToolbarTop, 112, kButtonHeight);
    QPushButton* about = addButton(this, "suiButton22", "软件简介");
    about->setGeometry(more->x() - 92, kToolbarTop, 88, kButtonHeight);
}

void Form2::buildPlayBar() {
    QPushButton* play = addButton(this, "Button33", "▶  播放");
    play->setGeometry(kMargin, kPlayBarTop, 96, kButtonHeight);
    QPushButton* stop = addButton(this, "Button26", "■  停止");
    stop->setGeometry(kMargin + 102, kPlayBarTop, 96, kButtonHeight);

    GroupTitle("已播放", this, QPoint(kMargin + 222, kPlayBarTop + 8));
    Label_danqianshijian = NamedLabel("Label_danqianshijian", this);
    Label_danqianshijian->setGeometry(kMargin + 266, kPlayBarTop + 4, 80, 22);
    GroupTitle("总时长", this, QPoint(kMargin + 360, kPlayBarTop + 8));
    Label_zongshijian = NamedLabel("Label_zongshijian", this);
    Label_zongshijian->setGeometry(kMargin + 404, kPlayBarTop + 4, 80, 22);
    for (QLabel* time : {Label_danqianshijian, Label_zongshijian}) {
        time->setStyleSheet("color: #14212d; font-size: 15px; font-weight: bold; font-family: monospace;");
        time->setText("00:00:00");
    }

    const int right = kPhotoArea.right() + 1;
    QPushButton* zoomDefault = addButton(this, "Button39", "默认");
    zoomDefault->setGeometry(right - 64, kPlayBarTop, 64, kButtonHeight);
    QPushButton* zoomOut = addButton(this, "Button40", "缩小");
    zoomOut->setGeometry(right - 132, kPlayBarTop, 64, kButtonHeight);
    QPushButton* zoomIn = addButton(this, "Button41", "放大");
    zoomIn->setGeometry(right - 200, kPlayBarTop, 64, kButtonHeight);
    GroupTitle("照片大小", this, QPoint(right - 262, kPlayBarTop + 8));
}

void Form2::buildPhotoCells() {
    QPushButton* previous = addButton(this, "Button37", "←");
    previous->setGeometry(kMargin, kCellTop, kArrowWidth, kCellHeight);
    previous->setStyleSheet("padding: 0;");
    int left = kMargin + kArrowWidth + kCellGap;
    for (int n = 0; n < 9; ++n) {
        QLabel* cell = NamedLabel(QString("Image%1").arg(n + 1), this);
        cell->setProperty("cell", true);
        cell->setAlignment(Qt::AlignCenter);
        cell->setGeometry(left, kCellTop, kCellWidth, kCellHeight);
        cell->setContextMenuPolicy(Qt::CustomContextMenu);
        cell->installEventFilter(this);
        connect(cell, &QWidget::customContextMenuRequested, this, [this, cell](QPoint at) {
            PopupMenu_tupianyoujian_caidan->popup(cell->mapToGlobal(at));
        });
        Image[n] = cell;
        left += kCellWidth + kCellGap;
    }
    QPushButton* next = addButton(this, "Button38", "→");
    next->setGeometry(left, kCellTop, kArrowWidth, kCellHeight);
    next->setStyleSheet("padding: 0;");

    auto* menu = new QMenu(this);
    menu->setObjectName("PopupMenu_tupianyoujian_caidan");
    const QList<std::pair<const char*, const char*>> items = {
        {"N_chakan_zhaopian", "查看照片"}, {nullptr, nullptr}, {"N_yulan_moban", "预览效果"},
        {nullptr, nullptr}, {"N_diy_ye", "第一页"}, {"N_shangyi_ye", "上一页"},
        {"N_xiayi_ye", "下一页"}, {"N_moyi_ye", "末一页"}};
    for (const auto& [name, text] : items) {
        if (!name) {
            menu->addSeparator();
            continue;
        }
        menu->addAction(text)->setObjectName(name);
    }
    PopupMenu_tupianyoujian_caidan = menu;

    const QList<QLabel*> cells(std::begin(Image), std::end(Image));
    pageView_ = new PageView(*this, state_, {ScrollBox_zhujiemian, Image_zhujiemian, cells},
                             [this] { return refuseWhileBusy(); });
}

QAbstractItemView* Form2::addSummaryView(const QString& name, TextTable* table, const QString& title,
                                         const QRect& box) {
    GroupTitle(title, this, QPoint(box.left(), box.top() - 18));
    auto* view = new QTableView(this);
    view->setObjectName(name);
    view->setModel(new TextTableModel(table, view));
    view->setGeometry(box);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setHighlightSections(false);
    view->setColumnWidth(0, 44);
    view->setColumnWidth(1, box.width() - 44 - 90 - 2 * view->frameWidth());
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->verticalHeader()->setDefaultSectionSize(22);
    view->viewport()->installEventFilter(this);
    return view;
}

void Form2::buildSummaries() {
    const int top = kPhotoArea.top() + 18;
    addSummaryView("ListView_daoru_moban", ListView_daoru_moban, "相册模板（双击打开模板管理）",
                   QRect(kColumnLeft, top, kColumnWidth, 128));
    addSummaryView("ListView_daoru_yinyue", ListView_daoru_yinyue, "背景音乐（双击试听）",
                   QRect(kColumnLeft, top + 152, kColumnWidth, 84));
    addSummaryView("ListView_daoru_geci", ListView_daoru_geci, "歌词文件（双击预览）",
                   QRect(kColumnLeft, top + 260, kColumnWidth, 84));
}

void Form2::buildMakeGroup() {
    const int top = kPhotoArea.bottom() + 1 - 2 * kButtonHeight - 6;
    GroupTitle("制作相册", this, QPoint(kColumnLeft, top - 18));
    const QList<std::pair<const char*, const char*>> buttons = {
        {"Button_xitongshezhi_10", "VCD"}, {"Button_xitongshezhi_11", "SVCD"},
        {"Button_xitongshezhi_12", "DVD"}, {"Button_gongneng_13", "AVI"},
        {"Button_xitongshezhi_14", "MP4"}, {"Button_xitongshezhi_15", "WMV"},
        {"Button_xitongshezhi_16", "MOV"}, {"Button_charushiping_17", "插入视频"}};
    const int width = (kColumnWidth - 3 * 6) / 4;
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton* button = addButton(this, buttons[i].first, buttons[i].second);
        button->setGeometry(kColumnLeft + (i % 4) * (width + 6), top + (i / 4) * (kButtonHeight + 6),
                            width, kButtonHeight);
    }
}

void Form2::buildHiddenEntryPoints() {
    auto* box = new QWidget(this);
    box->setObjectName("Panel_suiButton");
    box->hide();
    const QList<std::pair<const char*, const char*>> buttons = {
        {"suiButton1", "添加照片"}, {"suiButton2", "添加音乐"}, {"suiButton3", "添加歌词"},
        {"suiButton4", "同步效果"}, {"suiButton5", "画面质量"}, {"suiButton6", "照片剪裁"},
        {"suiButton8", "系统设置"}, {"suiButton9", "背景图片"}, {"suiButton10", "模板管理"},
        {"suiButton13", "AVI"}, {"suiButton14", "DVD"}, {"suiButton15", "SVCD"},
        {"suiButton16", "VCD"}, {"suiButton17", "播放"}, {"suiButton18", "停止"},
        {"suiButton19", "缩小"}, {"suiButton20", "放大"}, {"suiButton21", "默认"},
        {"suiButton23", "帮助"}, {"suiButton26", "上一页"}, {"suiButton27", "下一页"},
        {"Button36", "帮助"}, {"Button20", "上一页"}, {"Button21", "下一页"}};
    for (const auto& [name, text] : buttons) addButton(box, name, text);
}

void Form2::buildMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName("PopupMenu_zhujiemian_youshangjiao_caidan");
    const QList<std::pair<const char*, const char*>> items = {
        {"N1", "添加照片"}, {"N2", "添加音乐"}, {"N4", "添加歌词"}, {nullptr, nullptr},
        {"N6", "照片剪裁"}, {"N7", "画面质量"}, {"N9", "同步效果"}, {nullptr, nullptr},
        {"N10", "模板管理"}, {nullptr, nullptr}, {"N12", "背景图片"}, {nullptr, nullptr},
        {"VCD1", "VCD"}, {"SVCD1", "SVCD"}, {"DVD1", "DVD"}, {"AVI1", "AVI"}, {nullptr, nullptr},
        {"N21", "帮助文件"}, {nullptr, nullptr}, {"N19", "退出文件"}};
    for (const auto& [name, text] : items) {
        if (!name) {
            menu->addSeparator();
            continue;
        }
        menu->addAction(text)->setObjectName(name);
    }
    PopupMenu_zhujiemian_youshangjiao_caidan = menu;
}

QString Form2::totalTime() const { return Label_zongshijian->text(); }
QString Form2::elapsedTime() const { return Label_danqianshijian->text(); }
