#pragma once
// Showing a lyric line on a label: the one rule every player uses.

#include <QString>

#include "media/LyricSettings.h"

class QLabel;
class QWidget;

// Puts `look` on `label`: its text, font and colour, and the label's geometry (the look's
// box, in the coordinates of the label's parent area).
void ApplyLyricSettings(QLabel& label, const LyricLook& look);

// Shows `text` on `label` inside `area` with settings record `index` of the lyric window's
// settings table, scaled from the sample screen to the area's size (ComputeLyricLook).
// A record that does not exist shows the line as a new record would.
void ApplyLyricSettings(QLabel& label, const QWidget& area, const QString& text, int index);
