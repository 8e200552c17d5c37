#include "app/Form24.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppState.h"
#include "app/DialogParts.h"
#include "app/Messages.h"
#include "platform/CaptionBar.h"
#include "production/AlbumFormat.h"

namespace {
const QString kCancelledWord = QStringLiteral("zhizuo_quxiao");
const QString kEmptyNameMessage = QStringLiteral("相册名称不能为空,请输入相册名称！");

QLabel* Caption(const QString& text, int x, int y, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, 130, 26);
    return label;
}

QLineEdit* ShownField(const QString& name, int x, int y, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(x, y, 220, 26);
    edit->setReadOnly(true);
    return edit;
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    if (!combo) return items;
    for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
    return items;
}
}  // namespace

Form24::Form24(QWidget* parent) : Window("Form24", "选择相册类型", parent) {
    resize(420, 300);
    connect(SkinSmallWindow(this, false), &CaptionBar::closeReleased, this, &Form24::Button1Click);
    for (auto [name, field] : {std::pair{"Edit_shuchu_chicun", &Edit_shuchu_chicun},
                               {"Edit_shuchu_leixing", &Edit_shuchu_leixing},
                               {"Edit_xiangce_mingcheng", &Edit_xiangce_mingcheng},
                               {"Edit_chicun_width", &Edit_chicun_width},
                               {"Edit_chicun_height", &Edit_chicun_height}, {"Edit_quxiao", &Edit_quxiao}})
        bindField(name, field);

    Caption("输出电子相册类型", 30, 50, this);
    shownType_ = ShownField("Edit_shuchu_leixing", 170, 50, this);
    Caption("选择相册输出尺寸", 30, 90, this);
    ComboBox_xuanze_shuchu_chicun = new QComboBox(this);
    ComboBox_xuanze_shuchu_chicun->setObjectName("ComboBox_xuanze_shuchu_chicun");
    ComboBox_xuanze_shuchu_chicun->setGeometry(170, 90, 220, 26);
    connect(ComboBox_xuanze_shuchu_chicun, &QComboBox::activated, this,
            &Form24::ComboBox_xuanze_shuchu_chicunChange);
    Caption("当前输出相册尺寸", 30, 130, this);
    shownSize_ = ShownField("Edit_shuchu_chicun", 170, 130, this);
    Caption("输入相册名称", 30, 170, this);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName("Edit_xiangce_mingcheng");
    nameEdit_->setGeometry(170, 170, 220, 26);
    connect(nameEdit_, &QLineEdit::textEdited, this, [this](const QString& text) { Edit_xiangce_mingcheng = text; });

    QPushButton* start = DialogButton("Button2", "开始制作", this);
    start->move(60, 230);
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &Form24::Button2Click);
    QPushButton* standard = DialogButton("Button5", "默认", this);
    standard->move(162, 230);
    connect(standard, &QPushButton::clicked, this, &Form24::Button5Click);
    QPushButton* cancelButton = DialogButton("Button4", "取消", this);
    cancelButton->move(264, 230);
    connect(cancelButton, &QPushButton::clicked, this, &Form24::Button4Click);

    // The per-type size lists and the hidden twins.
    QWidget* hidden = HiddenButtonBox(this);
    for (const QString& type : AlbumTypes()) {
        auto* group = new QGroupBox(type, hidden);
        group->setObjectName("GroupBox_" + type.toLower());
        const QStringList lists[2] = {OutputWidths(type), OutputHeights(type)};
        const QString names[2] = {WidthListName(type), HeightListName(type)};
        for (int k = 0; k < 2; ++k) {
            auto* combo = new QComboBox(group);
            combo->setObjectName(names[k]);
            combo->addItems(lists[k]);
        }
    }
    auto* selected = new QGroupBox("选中尺寸", hidden);
    selected->setObjectName("GroupBox_xuanzhong_chicun");
    connect(HiddenButton("Button3", "开始制作", hidden), &QPushButton::clicked, this, &Form24::Button3Click);
    connect(HiddenButton("Button1", "关闭", hidden), &QPushButton::clicked, this, &Form24::Button1Click);
}

void Form24::fillFor(const QString& type) {
    Edit_quxiao.clear();
    ComboBox_xuanze_shuchu_chicun->clear();
    ComboBox_xuanze_shuchu_chicun->addItems(OutputSizeEntries(OutputWidths(type), OutputHeights(type)));
    Edit_shuchu_leixing = type;
    Button5Click();
    Edit_xiangce_mingcheng.clear();
    showFields();
}

void Form24::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    FormShow();
}

void Form24::FormShow() {
    showFields();
    nameEdit_->setFocus();
}

void Form24::showFields() {
    shownSize_->setText(Edit_shuchu_chicun);
    shownType_->setText(Edit_shuchu_leixing);
    if (nameEdit_->text() != Edit_xiangce_mingcheng) nameEdit_->setText(Edit_xiangce_mingcheng);
}

void Form24::ComboBox_xuanze_shuchu_chicunChange() {
    const QString type = Edit_shuchu_leixing;
    const int row = ComboBox_xuanze_shuchu_chicun->currentIndex();
    Edit_shuchu_chicun = ComboBox_xuanze_shuchu_chicun->currentText();
    const QStringList widths = Items(findChild<QComboBox*>(WidthListName(type)));
    const QStringList heights = Items(findChild<QComboBox*>(HeightListName(type)));
    Edit_chicun_width = row >= 0 ? widths.value(row) : QString();
    Edit_chicun_height = row >= 0 ? heights.value(row) : QString();
    showFields();
}

void Form24::Button5Click() {
    const int count = ComboBox_xuanze_shuchu_chicun->count();
    ComboBox_xuanze_shuchu_chicun->setCurrentIndex(qMin(kDefaultSizeRow, count - 1));
    ComboBox_xuanze_shuchu_chicunChange();
}

void Form24::startMaking() {
    Edit_xiangce_mingcheng = nameEdit_->text();
    if (Edit_xiangce_mingcheng.isEmpty()) {
        ShowMessage(kEmptyNameMessage);
        return;
    }
    Edit_quxiao = StateWord::kMakingStarted;
    accept();
}

void Form24::cancel() {
    Edit_quxiao = kCancelledWord;
    Window::reject();
}

void Form24::Button2Click() { startMaking(); }
void Form24::Button3Click() { startMaking(); }
void Form24::Button4Click() { cancel(); }
void Form24::Button1Click() { cancel(); }
void Form24::reject() { cancel(); }
