#include "app/DialogParts.h"

#include <QLabel>
#include <QPushButton>

QLabel* MessageLabel(QWidget* window) {
    auto* label = new QLabel(window);
    label->setObjectName("Label_xianshi_xiaoxi");
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false);
    label->setStyleSheet("font-size: 14px; color: #1c2d3e;");
    label->setGeometry(20, 55, window->width() - 40, 40);
    return label;
}

QPushButton* DialogButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFixedSize(96, 30);
    button->setStyleSheet(
        "QPushButton { background: #2e547a; color: white; border: none; border-radius: 4px; font-size: 14px; }"
        "QPushButton:hover { background: #3d6a96; } QPushButton:pressed { background: #1e3a56; }"
        "QPushButton:disabled { background: #8da2b6; }");
    return button;
}

QWidget* HiddenButtonBox(QWidget* window) {
    auto* box = new QWidget(window);
    box->setObjectName("Panel_yincang");
    box->hide();
    return box;
}

QPushButton* HiddenButton(const QString& name, const QString& text, QWidget* box) {
    auto* button = new QPushButton(text, box);
    button->setObjectName(name);
    return button;
}
