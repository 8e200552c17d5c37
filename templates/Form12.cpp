#include "templates/Form12.h"

#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "platform/CaptionBar.h"
#include "platform/Events.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "templates/BarList.h"
#include "templates/TemplateTables.h"

namespace {
// The word the build leaves in Edit_caozuo_xuanze: pictures for the main window's preview.
const QString kPreviewWord = QStringLiteral("yulan_zhujiemian_duiying_shiyongmoban");

QSize DesignedArea() { return {800, 450}; }

void FillLines(TextTable& table, const QStringList& items) {
    table.clear();
    for (const QString& item : items) table.addRow({item});
}
}  // namespace

Form12::Form12(QWidget* parent) : Window("Form12", "配置文件", parent) {
    resize(420, 160);
    SkinSmallWindow(this);
    bindField("Edit_caozuo_xuanze", &Edit_caozuo_xuanze);
    bindField("Edit_chuli_zhaopianchicun_num", &Edit_chuli_zhaopianchicun_num);
    ListBox_chuli_zhaopianchicun_chuli_2 = addTable("ListBox_chuli_zhaopianchicun_chuli_2", {"宽度"});
    ListBox_chuli_zhaopianchicun_chuli_3 = addTable("ListBox_chuli_zhaopianchicun_chuli_3", {"高度"});

    ProgressBar_yulan_quanbu_moban = new QProgressBar(this);
    ProgressBar_yulan_quanbu_moban->setObjectName("ProgressBar_yulan_quanbu_moban");
    ProgressBar_yulan_quanbu_moban->setGeometry(20, 60, width() - 40, 24);
    ProgressBar_yulan_quanbu_moban->setRange(0, 0);

    RadioButton_quanping = new QRadioButton("照片全屏显示效果", this);
    RadioButton_quanping->setObjectName("RadioButton_quanping");
    RadioButton_quanping->setGeometry(20, 100, 180, 24);
    RadioButton_quanping->setChecked(true);
    RadioButton_shizhong = new QRadioButton("照片适中显示效果", this);
    RadioButton_shizhong->setObjectName("RadioButton_shizhong");
    RadioButton_shizhong->setGeometry(220, 100, 180, 24);

    ScrollBox_picture_0 = new QWidget(this);
    ScrollBox_picture_0->setObjectName("ScrollBox_picture_0");
    ScrollBox_picture_0->setGeometry(QRect({0, 0}, DesignedArea()));
    ScrollBox_picture_0->setStyleSheet("background: black");
    ScrollBox_picture_0->hide();

    for (auto [name, text, handler] :
         {std::tuple{"Button18", "计算模板照片尺寸数据", &Form12::Button18Click},
          std::tuple{"Button1", "关闭软件", &Form12::Button1Click}}) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        button->hide();
        connect(button, &QPushButton::clicked, this, handler);
    }

    Timer_yulan_peizhi_wenjian = new Timer(this, 1, [this] { Timer_yulan_peizhi_wenjianTimer(); });
    Timer_yulan_peizhi_wenjian->setObjectName("Timer_yulan_peizhi_wenjian");
}

void Form12::setBuildSources(std::function<PreviewAlbum()> album, PhotoPainter painter) {
    album_ = std::move(album);
    painter_ = std::move(painter);
}

PhotoDisplay Form12::display() const {
    return RadioButton_shizhong->isChecked() ? PhotoDisplay::Fit : PhotoDisplay::Full;
}

QSize Form12::previewArea() const {
    Window* main = Windows::find("Form2");
    QWidget* area = main ? main->findChild<QWidget*>("ScrollBox_zhujiemian") : nullptr;
    return area && !area->size().isEmpty() ? area->size() : DesignedArea();
}

PreviewBuildOptions Form12::previewOptions() {
    PreviewBuildOptions options;
    options.area = previewArea();
    options.display = display();
    if (Window* main = Windows::find("Form2"); main && !main->field("Edit_kuozhanming_1").isEmpty())
        options.extension = main->field("Edit_kuozhanming_1");
    options.step = [this] {
        QProgressBar* bar = ProgressBar_yulan_quanbu_moban;
        if (bar->value() < bar->maximum()) bar->setValue(bar->value() + 1);
        processPendingEvents();
    };
    return options;
}

void Form12::Timer_yulan_peizhi_wenjianTimer() {
    Timer_yulan_peizhi_wenjian->setEnabled(false);
    const PreviewAlbum album = album_ ? album_() : PreviewAlbum{};
    ProgressBar_yulan_quanbu_moban->setRange(0, 3 * int(album.templates.size()));
    ProgressBar_yulan_quanbu_moban->setValue(0);
    Edit_caozuo_xuanze = kPreviewWord;
    RadioButton_quanping->hide();
    RadioButton_shizhong->hide();

    TextTable* completed = nullptr;
    if (Window* main = Windows::find("Form2")) completed = main->table("ListBox_yijing_wancheng_shiyongmoban_hanghao");
    if (completed) completed->clear();
    lastBuild_ = BuildPreviewFolders(album, previewOptions(), painter_);
    if (completed)
        for (int row : lastBuild_.completedRows) completed->addRow({QString::number(row)});

    RadioButton_quanping->show();
    RadioButton_shizhong->show();
    accept();
}

void Form12::Button18Click() {
    Window* main = Windows::find("Form2");
    const TextTable* parameters = main ? main->table("ListView_mobancanshu") : nullptr;
    if (!parameters) return;
    const int row = ParameterTable::RowOfTemplate(*parameters, Edit_chuli_zhaopianchicun_num.toInt());
    FillLines(*ListBox_chuli_zhaopianchicun_chuli_2, SplitBarList(parameters->cell(row, ParameterTable::Col::Widths)));
    FillLines(*ListBox_chuli_zhaopianchicun_chuli_3, SplitBarList(parameters->cell(row, ParameterTable::Col::Heights)));
}

void Form12::Button1Click() { reject(); }
