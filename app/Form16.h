#pragma once
// Form16: the exit confirmation (713 x 232, caption set per use). OK (Button3, through the
// hidden twin Button1) does the exit work: it locks the window's buttons, wipes the
// template working folder and the preview working folders while the progress bar
// ProgressBar_linshiwenjian_01 follows every deleted entry, and ends the program. Cancel
// (Button4, through Button2) and the close label only close the window. The bar is empty
// until OK; its maximum is the number of movie files in the template working folder (1
// when there are none, so that it shows empty rather than Qt's busy indicator).

#include "platform/Window.h"

class CaptionBar;
class QLabel;
class QProgressBar;
class QPushButton;

class Form16 : public Window {
    Q_OBJECT
public:
    explicit Form16(QWidget* parent = nullptr);
    void setMessage(const QString& text);
    QString message() const;
    QProgressBar* progressBar() const { return ProgressBar_linshiwenjian_01; }

public slots:
    void Button1Click();  // 确定: the exit work
    void Button2Click();  // 取消: close

protected:
    void showEvent(QShowEvent* event) override;

private:
    void advanceProgress();

    CaptionBar* caption_;
    QLabel* Label_xianshi_xiaoxi;                // the question
    QPushButton* Button3;                        // visible 确定
    QPushButton* Button4;                        // visible 取消
    QPushButton* Button1;                        // hidden twin of 确定
    QPushButton* Button2;                        // hidden twin of 取消
    QProgressBar* ProgressBar_linshiwenjian_01;  // progress of deleting the working files
};
