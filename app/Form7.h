#pragma once
// Form7: synchronisation mode of pictures and music (caption "同步效果").
//
// Two radio buttons, exactly one checked, which the preview and the making read directly:
// RadioButton_moban_tongbu "随模板文件同步  (音乐循环)" (checked at start: the album lasts
// as long as its templates and the music loops) and RadioButton_yinyue_tongbu
// "随音乐文件同步  (模板循环)" (the album follows the music). The window keeps the last
// choice between openings.
//
// Commands: 关闭软件 (hidden) and the close label, Button1Click: close.

#include "platform/Window.h"
#include "production/Synchronisation.h"

class QRadioButton;

class Form7 : public Window {
    Q_OBJECT
public:
    explicit Form7(QWidget* parent = nullptr);

    SyncMode mode() const;

    QRadioButton* RadioButton_moban_tongbu;   // sync with the templates, music loops
    QRadioButton* RadioButton_yinyue_tongbu;  // sync with the music, templates loop

public slots:
    void Button1Click();  // 关闭软件
};
