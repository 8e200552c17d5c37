#pragma once
// Form4: the album's music (caption "添加音乐").
//
// The window owns the music table ListView_daoru_yinyue (one row per added MP3 file, see
// media/MusicTable.h). Its commands:
//
//   添加音乐  Button2Click (Button6 forwards)   choose MP3 files and run the add job on
//                                              Form13, which measures every file
//   删除音乐  Button3Click (Button7 forwards)   delete the selected row, after asking
//   全部删除  Button4Click (Button8 forwards)   delete every row, after asking
//   音乐预览  Button5Click (Button9 forwards)   open Form15 to listen to a file
//   返    回  Button1Click (Button10 forwards)  close
//   a click on a row                            ListView_daoru_yinyueClick: its five values
//                                              in the read-only detail panel
//
// The add dialog offers the sample song (yinyuegeciwenjian beside the program) on its
// first opening after the program started, when the song is there. Every deletion empties
// the detail panel and renumbers the rows.

#include <QStringList>

#include "platform/Window.h"

class QLineEdit;
class QTableView;
class TextTable;

class Form4 : public Window {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    TextTable& musicTable() { return *ListView_daoru_yinyue; }

    // The 0-based selected row, or -1 with no selection.
    int selectedMusicRow() const;
    // Selects row `row` (-1: none), as a click on it would, without filling the panel.
    void selectMusicRow(int row);

    // The files chosen in the most recent add dialog, in dialog order.
    const QStringList& chosenFiles() const { return OpenDialog_yinyue_Files; }

    // Empties the detail panel.
    void clearDetail();

    TextTable* ListView_daoru_yinyue;  // the music table

public slots:
    void Button2Click();  // 添加音乐
    void Button3Click();  // 删除音乐
    void Button4Click();  // 全部删除
    void Button5Click();  // 音乐预览
    void Button1Click();  // 返    回
    void ListView_daoru_yinyueClick();  // fill the detail panel with the selected row

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showDetail();

    QTableView* musicView_;               // shows ListView_daoru_yinyue
    QLineEdit* detailBoxes_[5] = {};      // the panel: shows the five fields below
    QStringList OpenDialog_yinyue_Files;  // files of the most recent add dialog

    QString Edit_xuhao;      // shown row: 序号
    QString Edit_mingcheng;  // shown row: name
    QString Edit_geshi;      // shown row: format
    QString Edit_shichang;   // shown row: duration
    QString Edit_weizhi;     // shown row: path
};
