#pragma once
// Simplified and traditional Chinese characters, converted with OpenCC.
//
// The conversion goes character by character, never by phrase: every character is looked
// up alone (OpenCC's first candidate for it), and a character whose counterpart would not
// take the same number of UTF-16 units stays as it is. A converted text therefore has
// exactly the length of the original, position for position, as lyric lines need.
// Characters that are not Chinese (Latin letters, digits, punctuation) come back unchanged.
//
// The OpenCC configurations ("s2t.json", "t2s.json") are opened on first use and the
// answer for each character is remembered, so converting the same line on every tick of
// a timer costs a few table look-ups. When OpenCC or its data cannot be opened the texts
// come back unchanged and ChineseTextError() says why; nothing fails louder than that.
// For the user-interface thread only.

#include <QString>

// `text` with every traditional character written in its simplified form.
QString ToSimplified(const QString& text);
// `text` with every simplified character written in its traditional form.
QString ToTraditional(const QString& text);

// Empty while conversion works; otherwise a Chinese text saying which configuration could
// not be opened.
QString ChineseTextError();
