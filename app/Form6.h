#pragma once
// Form6: picture quality of the album (caption "画面质量").
//
// Two groups of radio buttons the conversion reads directly: 制式, the TV system (PAL,
// checked at start, or NTSC), and 画质, the picture quality (标清 or 高清, checked at start).
// The hidden field Edit_huamianzhiliang_xuanzhong holds the quality word "biaoqing" or
// "gaoqing" of the checked quality button; showing the window and clicking a quality
// button set it. The window keeps its state between openings.
//
// Commands: 关闭软件 (hidden) and the close label, Button1Click: close.

#include "platform/Window.h"
#include "production/AlbumFormat.h"

class QRadioButton;

class Form6 : public Window {
    Q_OBJECT
public:
    explicit Form6(QWidget* parent = nullptr);

    TvSystem tvSystem() const;
    bool highQuality() const;

    QRadioButton* RadioButton_dianshizhishi_PAL;   // PAL 电视制式
    QRadioButton* RadioButton_dianshizhishi_NTSC;  // NTSC 电视制式
    QRadioButton* RadioButton_yiban_huazhi;        // 标清画质效果
    QRadioButton* RadioButton_gaoqing_huazhi;      // 高清画质效果

public slots:
    void FormShow();
    void Button1Click();  // 关闭软件

protected:
    void showEvent(QShowEvent* event) override;

private:
    void noteQuality();

    QString Edit_huamianzhiliang_xuanzhong;  // quality word: biaoqing / gaoqing
};
