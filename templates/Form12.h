#pragma once
// Form12: the preview configuration builder (caption "配置文件").
//
// Shown modally with Timer_yulan_peizhi_wenjian enabled, it builds the album's working
// folders (templates/PreviewFolders.h) for the main window's photo area, fills the main
// window's completed-template list ListBox_yijing_wancheng_shiyongmoban_hanghao and closes.
// The build's outcome (an unwrap error, the photos that could not be drawn) stays in
// lastBuild() for the caller to report once the window has closed.
//
// Its commands:
//   Timer_yulan_peizhi_wenjianTimer  the build (fires once)
//   计算模板照片尺寸数据              Button18Click: the width and height lists of the template
//                                    whose index is in Edit_chuli_zhaopianchicun_num
//   关闭软件, close label             Button1Click: close
//
// The window knows the album and the photo renderer only through its build sources,
// which the program installs when its windows are made (setBuildSources).

#include <functional>

#include "platform/Window.h"
#include "templates/PreviewFolders.h"

class QProgressBar;
class QRadioButton;
class TextTable;
class Timer;

class Form12 : public Window {
    Q_OBJECT
public:
    explicit Form12(QWidget* parent = nullptr);

    // Where the build takes the album from and how it paints photos.
    void setBuildSources(std::function<PreviewAlbum()> album, PhotoPainter painter);
    // The display mode chosen with the two radio buttons.
    PhotoDisplay display() const;
    // The target area of the preview: the main window's photo area (800 x 450 as designed).
    QSize previewArea() const;
    // The outcome of the last build.
    const PreviewBuildResult& lastBuild() const { return lastBuild_; }
    // The build's options for the preview, with the progress step of this window.
    PreviewBuildOptions previewOptions();

    QProgressBar* ProgressBar_yulan_quanbu_moban;      // progress of the build: 3 steps per used template
    Timer* Timer_yulan_peizhi_wenjian;                 // the build, fires once
    QRadioButton* RadioButton_quanping;                // 照片全屏显示效果 (default)
    QRadioButton* RadioButton_shizhong;                // 照片适中显示效果
    TextTable* ListBox_chuli_zhaopianchicun_chuli_2;   // width list of the template computed
    TextTable* ListBox_chuli_zhaopianchicun_chuli_3;   // height list of the template computed

public slots:
    void Timer_yulan_peizhi_wenjianTimer();
    void Button18Click();  // 计算模板照片尺寸数据
    void Button1Click();   // 关闭软件

private:
    QString Edit_caozuo_xuanze;               // state word of the caller
    QString Edit_chuli_zhaopianchicun_num;    // template index for Button18Click
    QWidget* ScrollBox_picture_0;             // the black picture of a template without background

    std::function<PreviewAlbum()> album_;
    PhotoPainter painter_;
    PreviewBuildResult lastBuild_;
};
