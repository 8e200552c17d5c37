#pragma once
// The interface pictures of the windows, drawn in one calm look (slate blue with a warm
// gold line), written as PNG files into ROOT/lumdata/jiemian/:
//
//   jiemian_01/02/03.png     the main window's picture box, normal / hover / pressed,
//                            1024 x 67: the caption pieces are cut from the top 49 rows
//                            (title 0-330, drag area 390-440, right group 891-925,
//                            web-page button 927-956, menu button 958-986, close button
//                            988-1024) and the bottom strip from the lowest 18 rows
//   xiao_jiemian_01/02/03.png the small windows' picture box, 1024 x 43: left piece 0-170,
//                            middle 390-440, close piece 982-1024 from the top 37 rows,
//                            the bottom strip from the lowest 6 rows
//   jiazai.png               the loading window's picture, 500 x 249
//   beijing.png              the background shared by every window, 1280 x 800
//   zhaopianqu.png           the photo area's picture before photos are added, 800 x 450
//   ico.png                  the program icon, 32 x 32
//
// The drag area and both bottom strips are the same in every column, so a piece cut
// anywhere in them can be stretched.

#include <QImage>
#include <QString>

namespace databuild {

inline constexpr const char* kInterfaceFolder = "lumdata/jiemian";

enum class ButtonState { Normal, Hover, Pressed };

QImage MainWindowBox(ButtonState state);
QImage SmallWindowBox(ButtonState state);
QImage LoadingPicture();
QImage SharedBackground();
QImage PhotoAreaPicture();
QImage ProgramIcon();

// Writes every interface picture into ROOT/lumdata/jiemian/, emptied first.
bool WriteInterfacePictures(const QString& root, QString& error);

}  // namespace databuild
