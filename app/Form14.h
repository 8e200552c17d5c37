#pragma once
// Form14: the message box (caption "提示", 584 x 171): the message and one OK button.
// Button2 "确定" and the close label both run the hidden twin's Button1Click, which closes
// the box.

#include "platform/Window.h"

class CaptionBar;
class QLabel;
class QPushButton;

class Form14 : public Window {
    Q_OBJECT
public:
    explicit Form14(QWidget* parent = nullptr);
    void setMessage(const QString& text);
    QString message() const;

public slots:
    void Button1Click();  // 确定: close

private:
    CaptionBar* caption_;
    QLabel* Label_xianshi_xiaoxi;  // the message
    QPushButton* Button2;          // visible 确定
    QPushButton* Button1;          // hidden twin of 确定
};
