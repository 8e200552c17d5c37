#pragma once
// Form17: the question box (806 x 233, caption set per question). OK (Button3, through the
// hidden twin Button1) leaves "yes" in Edit_caozuo and closes; Cancel (Button4, through
// Button2) and the close label close it and leave the answer as it was.

#include "platform/Window.h"

class CaptionBar;
class QLabel;
class QPushButton;

class Form17 : public Window {
    Q_OBJECT
public:
    explicit Form17(QWidget* parent = nullptr);
    void setMessage(const QString& text);
    QString message() const;

public slots:
    void Button1Click();  // 确定: answer "yes" and close
    void Button2Click();  // 取消: close

private:
    QString Edit_caozuo;           // the answer: "yes" after OK
    CaptionBar* caption_;
    QLabel* Label_xianshi_xiaoxi;  // the question
    QPushButton* Button3;          // visible 确定
    QPushButton* Button4;          // visible 取消
    QPushButton* Button1;          // hidden twin of 确定
    QPushButton* Button2;          // hidden twin of 取消
};
