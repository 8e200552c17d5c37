#include "app/MainWindow.h"

#include <QLabel>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget* parent) : Window("Form2", "Lumora", parent) {
    resize(1024, 700);
    setStyleSheet("Window#Form2 { background: #20303f; } QLabel { color: #e8eef4; }");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel("Lumora 音乐电子相册", this);
    title->setStyleSheet("font-size: 22px; padding: 8px;");
    layout->addWidget(title);
    auto* photoArea = new QLabel("添加照片后，照片在这里显示", this);
    photoArea->setObjectName("ScrollBox_zhujiemian");
    photoArea->setFixedSize(800, 450);
    photoArea->setAlignment(Qt::AlignCenter);
    photoArea->setStyleSheet("background: #0e1822; border: 1px solid #3b5266;");
    layout->addWidget(photoArea, 0, Qt::AlignHCenter);
    layout->addStretch();
}
