#pragma once
// The controls the message windows share: the message label and their buttons, including
// the hidden twins that carry the behaviour.

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The message label Label_xianshi_xiaoxi: centred, 14-pixel text on one line, cut at the
// label's width; spans the window between the caption and the buttons.
QLabel* MessageLabel(QWidget* window);
// A visible button with the program's look.
QPushButton* DialogButton(const QString& name, const QString& text, QWidget* parent);
// The hidden box that holds a window's twin buttons.
QWidget* HiddenButtonBox(QWidget* window);
// A hidden twin button in `box`.
QPushButton* HiddenButton(const QString& name, const QString& text, QWidget* box);
