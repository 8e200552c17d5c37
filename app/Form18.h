#pragma once
// Form18: the system settings (caption "系统设置"); it keeps its own background picture.
//
// The window only holds choices: the commands that crop, show or place photos read its
// radio buttons when they run (photoSettings() gathers the ones the photo rules take). The
// choices start from their defaults at every start and persist between openings:
//
//   导入照片时，对横照片的剪裁效果   RadioButton_hengzhaopian_moren       横照片剪裁成适中效果
//                                    RadioButton_hengzhaopian_quanping    横照片剪裁成全屏效果 (checked)
//   导入照片时，对竖照片的剪裁效果   RadioButton_shuzhaopian_moren        竖照片剪裁成适中效果 (checked)
//   主界面横照片显示效果             RadioButton_zhujiemian_heng_shizhong 横照片适中显示效果
//                                    RadioButton_zhujiemian_heng_quanpin  横照片全屏显示效果 (checked)
//   主界面竖照片显示效果             RadioButton_zhujiemian_shu_shizhong  竖照片适中显示效果 (checked)
//   导入照片时，使用模板组合效果     RadioButton_moban_zuhe_shiyong       使用模板组合效果
//                                    RadioButton_moban_zuhe_bushiyong     不使用模板组合效果 (checked)
//
// With 使用模板组合效果 chosen, 添加照片 first shows Form41 (combination or random templates).
// The horizontal crop choice is shown but read by nothing. Button1Click "返    回" (hidden)
// and the close label close the window.

#include "photos/Settings.h"
#include "platform/Window.h"

class QRadioButton;

class Form18 : public Window {
    Q_OBJECT
public:
    explicit Form18(QWidget* parent = nullptr);

    // The choices the photo rules read, as the radio buttons stand now.
    PhotoSettings photoSettings() const;
    // Whether the add-photos command uses combination templates.
    bool combinationsOn() const;

    QRadioButton* RadioButton_hengzhaopian_moren;        // crop horizontal photos to fit
    QRadioButton* RadioButton_hengzhaopian_quanping;     // crop horizontal photos to fill
    QRadioButton* RadioButton_shuzhaopian_moren;         // crop vertical photos to fit
    QRadioButton* RadioButton_zhujiemian_heng_shizhong;  // main window: horizontal photos fit
    QRadioButton* RadioButton_zhujiemian_heng_quanpin;   // main window: horizontal photos fill the width
    QRadioButton* RadioButton_zhujiemian_shu_shizhong;   // main window: vertical photos fit
    QRadioButton* RadioButton_moban_zuhe_shiyong;        // use combination templates
    QRadioButton* RadioButton_moban_zuhe_bushiyong;      // do not use combination templates

public slots:
    void Button1Click();  // 返    回: close
};
