#include "app/Form23.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include "app/DialogParts.h"
#include "app/Form5.h"
#include "app/LyricLabel.h"
#include "media/LyricSettings.h"
#include "platform/CaptionBar.h"
#include "platform/ChineseText.h"
#include "platform/TextTable.h"

namespace {
namespace C = LyricSettingsColumn;

const QString kSampleText = QStringLiteral("此处显示歌词内容");
constexpr int kSmallestSize = 10;
constexpr int kLargestSize = 60;

QComboBox* List(const char* name, QWidget* parent, const QRect& box) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(box);
    return list;
}

QRadioButton* Radio(const char* name, const QString& text, QWidget* parent, const QPoint& at) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    radio->move(at);
    radio->adjustSize();
    return radio;
}

QLabel* Caption(const QString& text, QWidget* parent, const QPoint& at) {
    auto* label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

// Selects the item with this text; answers false (selection unchanged) when there is none.
bool SelectText(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    if (index >= 0) list->setCurrentIndex(index);
    return index >= 0;
}
}  // namespace

Form23::Form23(QWidget* parent) : Window("Form23", "歌词设置", parent) {
    resize(760, 620);
    SkinSmallWindow(this);

    Panel_LRC = new QWidget(this);
    Panel_LRC->setObjectName("Panel_LRC");
    Panel_LRC->setGeometry(20, 46, kLyricScreenWidth, kLyricScreenHeight);
    Panel_LRC->setAutoFillBackground(true);
    QPalette black = Panel_LRC->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel_LRC->setPalette(black);
    Label_LRC = new QLabel(kSampleText, Panel_LRC);
    Label_LRC->setObjectName("Label_LRC");
    sampleText_ = kSampleText;

    TrackBar_geci_x = new QSlider(Qt::Horizontal, this);
    TrackBar_geci_x->setObjectName("TrackBar_geci_x");
    TrackBar_geci_x->setGeometry(20, 46 + kLyricScreenHeight + 6, kLyricScreenWidth, 22);
    TrackBar_geci_x->setRange(0, kLyricScreenWidth);
    TrackBar_geci_y = new QSlider(Qt::Vertical, this);
    TrackBar_geci_y->setObjectName("TrackBar_geci_y");
    TrackBar_geci_y->setGeometry(20 + kLyricScreenWidth + 10, 46, 22, kLyricScreenHeight);
    TrackBar_geci_y->setRange(0, kLyricScreenHeight);
    TrackBar_geci_y->setInvertedAppearance(true);  // 0, the top of the screen, at the top
    TrackBar_geci_y->setInvertedControls(true);
    connect(TrackBar_geci_x, &QSlider::valueChanged, this, &Form23::TrackBar_geci_xChange);
    connect(TrackBar_geci_y, &QSlider::valueChanged, this, &Form23::TrackBar_geci_yChange);

    const int row1 = 480, row2 = 516;
    RadioButton_moren = Radio("RadioButton_moren", "默认显示", this, {20, row1});
    RadioButton_zidingyi = Radio("RadioButton_zidingyi", "自定义显示", this, {120, row1});
    auto* modes = new QButtonGroup(this);
    modes->addButton(RadioButton_moren);
    modes->addButton(RadioButton_zidingyi);
    RadioButton_zidingyi_left = Radio("RadioButton_zidingyi_left", "自定义", this, {240, row1});
    RadioButton_juzhong = Radio("RadioButton_juzhong", "居中显示", this, {320, row1});
    auto* centring = new QButtonGroup(this);
    centring->addButton(RadioButton_zidingyi_left);
    centring->addButton(RadioButton_juzhong);
    connect(RadioButton_moren, &QRadioButton::clicked, this, &Form23::RadioButton_morenClick);
    connect(RadioButton_zidingyi, &QRadioButton::clicked, this, &Form23::RadioButton_zidingyiClick);
    connect(RadioButton_juzhong, &QRadioButton::clicked, this, &Form23::RadioButton_juzhongClick);

    Caption("颜色", this, {440, row1 + 4});
    ColorBox_geci_yase = List("ColorBox_geci_yase", this, {476, row1, 140, 26});
    for (const NamedColour& c : LyricColours()) {
        QPixmap swatch(14, 14);
        swatch.fill(c.colour);
        ColorBox_geci_yase->addItem(QIcon(swatch), c.name, c.colour);
    }
    Caption("字体", this, {20, row2 + 4});
    ComboBox_geci_ziti = List("ComboBox_geci_ziti", this, {56, row2, 200, 26});
    Caption("大小", this, {270, row2 + 4});
    ComboBox_geci_daxiao = List("ComboBox_geci_daxiao", this, {306, row2, 64, 26});
    Caption("字形", this, {384, row2 + 4});
    ComboBox_geci_zixing = List("ComboBox_geci_zixing", this, {420, row2, 100, 26});
    Caption("简繁", this, {534, row2 + 4});
    ComboBox_jiantifanti = List("ComboBox_jiantifanti", this, {570, row2, 80, 26});
    connect(ColorBox_geci_yase, &QComboBox::currentIndexChanged, this, &Form23::ColorBox_geci_yaseChange);
    connect(ComboBox_geci_ziti, &QComboBox::currentIndexChanged, this, &Form23::ComboBox_geci_zitiChange);
    connect(ComboBox_geci_daxiao, &QComboBox::currentIndexChanged, this, &Form23::ComboBox_geci_daxiaoChange);
    connect(ComboBox_geci_zixing, &QComboBox::currentIndexChanged, this, &Form23::ComboBox_geci_zixingChange);
    connect(ComboBox_jiantifanti, &QComboBox::currentIndexChanged, this, &Form23::ComboBox_jiantifantiChange);

    lockable_ = {TrackBar_geci_x,      TrackBar_geci_y,      ColorBox_geci_yase,
                 ComboBox_geci_ziti,   ComboBox_geci_daxiao, ComboBox_geci_zixing,
                 ComboBox_jiantifanti, RadioButton_zidingyi_left, RadioButton_juzhong};

    Button1 = DialogButton("Button1", "保存设置", this);
    Button2 = DialogButton("Button2", "取消", this);
    Button2->move(width() - 20 - Button2->width(), height() - 46);
    Button1->move(Button2->x() - 12 - Button1->width(), height() - 46);
    connect(Button1, &QPushButton::clicked, this, &Form23::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Form23::Button2Click);
}

void Form23::editRecord(int row) {
    const TextTable& settings = Windows::get<Form5>()->settingsTable();
    if (row < 0 || row >= settings.rowCount()) return;
    row_ = row;
    record_ = settings.row(row);
    fillLists();
    const bool custom = record_.value(C::kMode) == kCustomPosition;
    (custom ? RadioButton_zidingyi : RadioButton_moren)->setChecked(true);
    (record_.value(C::kCentring) == kCustomCentring ? RadioButton_juzhong : RadioButton_zidingyi_left)
        ->setChecked(true);
    lockControls(!custom);
    showRecord();
    selectRecordItems();
    showModal();
}

void Form23::fillLists() {
    const QSignalBlocker faces(ComboBox_geci_ziti), sizes(ComboBox_geci_daxiao), styles(ComboBox_geci_zixing),
        forms(ComboBox_jiantifanti);
    ComboBox_geci_ziti->clear();
    ComboBox_geci_ziti->addItems(QFontDatabase::families());
    // A face the system does not list (the records' default "黑体" on a machine without
    // it) is still offered, so that the record's own choice can stay selected.
    const QString face = record_.value(C::kFace);
    if (!face.isEmpty() && ComboBox_geci_ziti->findText(face) < 0) ComboBox_geci_ziti->insertItem(0, face);
    ComboBox_geci_daxiao->clear();
    for (int size = kSmallestSize; size <= kLargestSize; ++size) ComboBox_geci_daxiao->addItem(QString::number(size));
    ComboBox_geci_zixing->clear();
    ComboBox_geci_zixing->addItems(LyricStyleTexts());
    ComboBox_jiantifanti->clear();
    ComboBox_jiantifanti->addItems(LyricFormTexts());
}

void Form23::lockControls(bool locked) {
    for (QWidget* control : lockable_) control->setEnabled(!locked);
}

// The record's look on the sample line, at the place the checked position mode gives it.
void Form23::showRecord() {
    QStringList shown = record_;
    shown[C::kMode] = RadioButton_zidingyi->isChecked() ? kCustomPosition : kDefaultPosition;
    ApplyLyricSettings(*Label_LRC, ComputeLyricLook(shown, sampleText_, Panel_LRC->size()));
    placeLine(Label_LRC->x(), Label_LRC->y());
}

void Form23::selectRecordItems() {
    const QSignalBlocker colours(ColorBox_geci_yase), faces(ComboBox_geci_ziti), sizes(ComboBox_geci_daxiao),
        styles(ComboBox_geci_zixing), forms(ComboBox_jiantifanti);
    SelectText(ColorBox_geci_yase, record_.value(C::kColourName));
    SelectText(ComboBox_geci_ziti, record_.value(C::kFace));
    SelectText(ComboBox_geci_daxiao, record_.value(C::kSize));
    SelectText(ComboBox_geci_zixing, StyleTextOfWord(record_.value(C::kStyle)));
    SelectText(ComboBox_jiantifanti, FormTextOfWord(record_.value(C::kForm)));
}

QString Form23::shownStyleWord() const { return StyleWordOfText(ComboBox_geci_zixing->currentText()); }
QString Form23::shownForm() const { return FormWordOfText(ComboBox_jiantifanti->currentText()); }

// The sample line in the chosen colour, face, size, style and form, where it stands.
void Form23::showLine() {
    LyricLook look;
    look.text = shownForm() == kTraditional ? ToTraditional(sampleText_) : ToSimplified(sampleText_);
    look.points = ComboBox_geci_daxiao->currentText().toInt();
    look.font = LyricFont(ComboBox_geci_ziti->currentText(), look.points, shownStyleWord());
    const QVariant colour = ColorBox_geci_yase->currentData();
    look.colour = colour.isValid() ? colour.value<QColor>() : Label_LRC->palette().color(QPalette::WindowText);
    look.box = QRect(Label_LRC->pos(), LyricTextSize(look.font, look.text));
    ApplyLyricSettings(*Label_LRC, look);
    if (RadioButton_juzhong->isChecked()) centreLine();
}

// Moves the line and lets both sliders show where it stands.
void Form23::placeLine(int left, int top) {
    Label_LRC->move(left, top);
    const QSignalBlocker x(TrackBar_geci_x), y(TrackBar_geci_y);
    TrackBar_geci_x->setValue(left);
    TrackBar_geci_y->setValue(top);
}

void Form23::centreLine() { placeLine(Panel_LRC->width() / 2 - Label_LRC->width() / 2, Label_LRC->y()); }

// ---- Live changes

void Form23::TrackBar_geci_xChange() {
    RadioButton_zidingyi_left->setChecked(true);
    Label_LRC->move(TrackBar_geci_x->value(), Label_LRC->y());
}

void Form23::TrackBar_geci_yChange() { Label_LRC->move(Label_LRC->x(), TrackBar_geci_y->value()); }
void Form23::ColorBox_geci_yaseChange() { showLine(); }
void Form23::ComboBox_geci_zitiChange() { showLine(); }
void Form23::ComboBox_geci_daxiaoChange() { showLine(); }
void Form23::ComboBox_geci_zixingChange() { showLine(); }
void Form23::ComboBox_jiantifantiChange() { showLine(); }
void Form23::RadioButton_juzhongClick() { centreLine(); }

void Form23::RadioButton_morenClick() {
    RadioButton_moren->setChecked(true);
    lockControls(true);
    RadioButton_zidingyi_left->setChecked(true);
    showRecord();
    selectRecordItems();
}

void Form23::RadioButton_zidingyiClick() {
    RadioButton_zidingyi->setChecked(true);
    lockControls(false);
    (record_.value(C::kCentring) == kCustomCentring ? RadioButton_juzhong : RadioButton_zidingyi_left)
        ->setChecked(true);
}

// ---- 保存设置, 取消

void Form23::Button1Click() {
    TextTable& settings = Windows::get<Form5>()->settingsTable();
    if (row_ < 0 || row_ >= settings.rowCount()) return reject();
    QStringList record = settings.row(row_);
    const bool custom = RadioButton_zidingyi->isChecked();
    record[C::kMode] = custom ? kCustomPosition : kDefaultPosition;
    if (custom) {
        record[C::kCustomLeft] = QString::number(Label_LRC->x());
        record[C::kCustomTop] = QString::number(Label_LRC->y());
        record[C::kCentring] = RadioButton_juzhong->isChecked() ? kCustomCentring : kNoCentring;
    } else {
        record[C::kDefaultTop] = QString::number(Label_LRC->y());
    }
    record[C::kFace] = ComboBox_geci_ziti->currentText();
    record[C::kStyle] = shownStyleWord();
    record[C::kSize] = ComboBox_geci_daxiao->currentText();
    const QColor colour = ColorBox_geci_yase->currentData().value<QColor>();
    record[C::kColourName] = ColorBox_geci_yase->currentText();
    record[C::kColourNumber] = QString::number(ColourNumber(colour));
    record[C::kForm] = shownForm();
    for (int column = 0; column < record.size(); ++column) settings.setCell(row_, column, record[column]);
    accept();
}

void Form23::Button2Click() { reject(); }
