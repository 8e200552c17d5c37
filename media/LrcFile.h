#pragma once
// LRC lyric files: reading one into the lyric tables, the clock text of a playing time and
// the lyric line to show at a clock text.
//
// A lyric file is text: UTF-8 (with or without a byte-order mark) or UTF-16 with a
// byte-order mark when it is valid as such, otherwise GBK. A line ends at CR LF or LF.
// Positions and lengths count UTF-16 characters of a line, 1-based.
//
//   lyric line     [01:02.50]text  [00:10.00][01:30.00]text  [00:05]a[00:09]b
//                  one timeline entry per tag
//   header line    a line ending in "]"; [ti:..] [ar:..] [al:..] [by:..] become header
//                  entries (key, value), every other such line is dropped
//   other          a line without "[", an empty line: no entry
//
// The tags of a lyric line are taken off right to left: positions L-1 ... 0 of the line
// (position 0 reads as 1, the last character is never looked at). Every "]" met is noted;
// the k-th "[" met opens a tag that closes at the k-th "]" noted. The rightmost tag's text
// is the rest of the line; a tag that stands directly before the previous one shares its
// text; any other tag takes what stands between it and the previous tag. After each tag
// the line is cut before its "[". So [00:05]a[00:09]b gives 00:09 "b", then 00:05 "a".
// A "[" with no unpaired "]" to its right (as in "[00:30.00]text [note") opens no tag and
// is passed over: the line keeps it and its text ("text [note") still shows.
// Tag texts are not checked: "[00:01]a]b" gives the tag "00:01]a" with the text "b".
//
// Entries whose tag begins with ti, ar, al or by are then moved to the header list as
// "[tag]" (all ti first, then ar, al, by), the header list is read into header entries,
// and the timeline is: the start row ("00:00", no text), every entry in order.
//
// The six tables (owned by the main window, see LyricTables):
//
//   ListView_LRC_1   序号 歌词        the lyric lines, shortened while their tags come off
//   ListBox_LRC_1    位置             positions of the "[" of the line being read
//   ListBox_LRC_2    位置             positions of the "]" of the line being read
//   ListBox_LRC_3    行               header lines, then header tags taken out of lyric lines
//   ListView_LRC_2   序号 位置 歌词   timeline entries in file order, then header entries
//   ListView_LRC_3   位置 歌词        the timeline that FindLyricLine searches
//
// "序号" is the row count right after the row was added; rows are never renumbered.

#include <QString>
#include <QStringList>

class TextTable;

struct LyricTables {
    TextTable* ListView_LRC_1;  // lyric lines
    TextTable* ListBox_LRC_1;   // "[" positions of the current line
    TextTable* ListBox_LRC_2;   // "]" positions of the current line
    TextTable* ListBox_LRC_3;   // header lines
    TextTable* ListView_LRC_2;  // entry table
    TextTable* ListView_LRC_3;  // timeline
};

// The column captions of the six tables.
QStringList LyricLinesCaptions();      // ListView_LRC_1
QStringList LyricPositionsCaptions();  // ListBox_LRC_1, ListBox_LRC_2
QStringList LyricHeaderCaptions();     // ListBox_LRC_3
QStringList LyricEntriesCaptions();    // ListView_LRC_2
QStringList LyricTimelineCaptions();   // ListView_LRC_3

// The lines of a lyric file's text: split at LF, a CR right before the LF dropped. A text
// ending in a line end has no empty line after it.
QStringList SplitLyricLines(const QString& text);

// Reads `lines` into the tables as a lyric file's lines (every table is emptied first).
void ReadLyricLines(const QStringList& lines, const LyricTables& tables);

// Empties the six tables and reads the lyric file at `path` into them. When the file cannot
// be opened or read, answers false with a Chinese text naming the file in `error`; the
// tables are then empty.
bool LoadLrcFile(const QString& path, const LyricTables& tables, QString& error);

// The mm:ss clock text of a time in whole seconds: minutes modulo 60, two digits each
// (3725 gives "02:05"). A negative time reads as 0.
QString FormatClock(qint64 seconds);

// The first row of the timeline (its column 0 "位置") that begins with `clock`, compared
// without regard to case; -1 when none does.
int FindLyricLine(const TextTable& timeline, const QString& clock);
// The text ("歌词") of timeline row `row`.
QString LyricLineText(const TextTable& timeline, int row);
