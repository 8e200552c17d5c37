#pragma once
// Form5: the album's lyric files and their display settings (caption "添加歌词").
//
// The window owns the lyric file table ListView_daoru_LRC and, row for row beside it, the
// settings table ListView_geci_shezhi_canshu (media/LyricSettings.h); the two are added
// to, deleted from and emptied together. Its commands (visible buttons forward to hidden
// twins):
//
//   添加歌词  Button2Click (Button5 forwards)   choose LRC files and run the add job on Form13
//   删除歌词  Button3Click (Button6 forwards)   delete the selected file, after asking
//   全部删除  Button4Click (Button7 forwards)   delete every file, after asking
//   歌词预览  Button10Click (Button9 forwards)  the preview window in lyric mode
//   设置歌词  Button11Click (Button12 forwards) the settings window for the selected file
//   返   回   Button1Click (Button8 forwards)   close
//   a click on a row                           ListView_daoru_LRCClick: its details
//
// The first add after the program started presets the dialog to the sample song's lyric
// file when it exists. Adding reads nothing from the files; a file is read when a player
// loads it.

#include <QStringList>

#include "platform/Window.h"

class QLabel;
class QTableView;
class TextTable;

class Form5 : public Window {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    TextTable& lyricTable() { return *ListView_daoru_LRC; }
    TextTable& settingsTable() { return *ListView_geci_shezhi_canshu; }
    // The full path of lyric file `row`; empty outside the table.
    QString lyricPath(int row) const;

    // The 0-based selected row, or -1 with no selection.
    int selectedLyricRow() const;
    // Selects row `row` (-1: none), as a click on it would.
    void selectLyricRow(int row);

    // The files chosen in the most recent add dialog, in dialog order.
    const QStringList& chosenFiles() const { return OpenDialog_daoru_Files; }

    // Empties the detail panel.
    void clearDetails();

    TextTable* ListView_daoru_LRC;          // the lyric files
    TextTable* ListView_geci_shezhi_canshu; // one settings record per lyric file

public slots:
    void Button2Click();   // 添加歌词
    void Button3Click();   // 删除歌词
    void Button4Click();   // 全部删除
    void Button10Click();  // 歌词预览
    void Button11Click();  // 设置歌词
    void Button1Click();   // 返   回
    void ListView_daoru_LRCClick();  // show the selected row's details

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showDetails();

    QTableView* view_;                  // shows ListView_daoru_LRC
    QLabel* details_;                   // the read-only detail panel
    QStringList OpenDialog_daoru_Files; // files of the most recent add dialog

    QString Edit_xuhao;      // shown row: 序号
    QString Edit_mingcheng;  // shown row: name
    QString Edit_geshi;      // shown row: type
    QString Edit_weizhi;     // shown row: path
};
