#pragma once
// Form22: the insert-video window (caption "插入视频", 668 x 472). It has only its caption
// bar and a hidden Cancel, Button1, which the close label runs; no command opens it yet.

#include "platform/Window.h"

class QPushButton;

class Form22 : public Window {
    Q_OBJECT
public:
    explicit Form22(QWidget* parent = nullptr);

public slots:
    void Button1Click();  // 取消: close

private:
    QPushButton* Button1;  // hidden 取消
};
