#pragma once
// The interface pictures of the windows: the caption-bar picture boxes of the main window
// and of the small windows in three states, the loading picture, the shared background
// and the program icon. They are read from the data folder; a picture that is missing
// there (a data folder without them) is a flat picture of its size, so the windows keep
// their layout.

#include <QImage>

enum class InterfacePicture {
    MainNormal, MainHover, MainPressed,     // Panel_jiemian_01 / 02 / 03
    SmallNormal, SmallHover, SmallPressed,  // Panel_xiao_jiemian_01 / 02 / 03
    Loading,                                // Form1.Image1, 500 x 249
    Background,                             // Form2.Image_beijingtupian
    Icon,                                   // Form2.Image_ico, 32 x 32
};

QImage LoadInterfacePicture(InterfacePicture which);
