#pragma once
// Form3: the album's photo collection (caption "添加照片").
//
// The window owns the photo table ListView_daoru_zhaopian (one PhotoRecord per added JPG
// file, see photos/PhotoTable.h), the pending tables of a job, and the five candidate
// tables of matching with their used and choice lists (photos/Matching.h). Its commands:
//
//   添加照片  Button2Click (Button5 forwards)   choose JPG files and run the add job on Form13;
//                                               with combination templates on (系统设置),
//                                               Form41 first asks how: random templates, or
//                                               the chosen combination (the combination pick,
//                                               then the combination job on Form13)
//   删除照片  Button3Click (Button6 forwards)   delete the selected photo, after asking
//   全部删除  Button4Click (Button7 forwards)   delete every photo, after asking
//   自动套版  Button10Click (Button9 forwards)  run the matching job on Form13
//   返   回   Button1Click (Button8 "返    回")  close
//   a click on a photo row                       ListView_daoru_zhaopianClick: show it
//
// A shown photo's six details (序号, 照片, 格式, 宽度, 高度, 位置) stand read-only under its
// picture. Showing the window clears the candidate tables and their lists. The rules live in
// photos/; the window asks, shows and renders.

#include <QStringList>

#include "photos/Matching.h"
#include "platform/Window.h"

class DetailPanel;
class QLabel;
class QTableView;
class TextTable;

class Form3 : public Window {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

    // The 0-based selected photo row, or -1 with no selection.
    int selectedPhotoRow() const;
    // Selects photo row `row` (-1: none), as a click on it would, without showing it.
    void selectPhotoRow(int row);

    // The files chosen in the most recent add dialog (OpenDialog_daoru), in dialog order.
    const QStringList& chosenFiles() const { return OpenDialog_daoru_Files; }
    // Sets them as the add dialog would (for a benchmark that runs the add job alone).
    void setChosenFiles(const QStringList& files) { OpenDialog_daoru_Files = files; }

    // The pending and candidate tables with their lists, for a matching job.
    MatchingWork matchingWork();

    // Empties the preview picture, its hint and the six detail fields.
    void clearPreview();

    TextTable* ListView_daoru_zhaopian;  // the photo table
    TextTable* ListView_heng_zhao;       // pending horizontal photos of a job
    TextTable* ListView_shu_zhao;        // pending vertical photos of a job
    TextTable* ListView_gaoji_moban;                     // candidates: advanced, both kinds
    TextTable* ListView_gaojimoban_hengzhaopian_moban;   // candidates: advanced, horizontal only
    TextTable* ListView_gaojimoban_shuzhaopian_moban;    // candidates: advanced, vertical only
    TextTable* ListView_hengzhaopian_moban;              // candidates: horizontal templates
    TextTable* ListView_shuzhaopian_moban;               // candidates: vertical templates
    TextTable* ListView_moban_suijishu;                  // scratch list of the combination job

public slots:
    void Button2Click();   // 添加照片
    void Button3Click();   // 删除照片
    void Button4Click();   // 全部删除
    void Button10Click();  // 自动套版
    void Button1Click();   // 返   回
    void ListView_daoru_zhaopianClick();  // show the selected photo

protected:
    void showEvent(QShowEvent* event) override;

private:
    void runAddDialog();
    // The combination pick: choose files, sort them into the pending tables by orientation
    // (caption = path) and, when they hold the photos the combination needs, run the
    // combination job; otherwise say what is missing and open the dialog again.
    void runCombinationPick();
    void setDetailFields(int row);

    QTableView* photoView_;            // shows ListView_daoru_zhaopian
    QWidget* ScrollBox_xianshizhaopianshi;  // the preview box
    QLabel* Image_xianshizhaopian;     // the preview picture (its tool tip is the hint)
    DetailPanel* details_;             // the six detail fields, shown
    QStringList OpenDialog_daoru_Files;  // files of the most recent add dialog

    QString Edit_xuhao;     // shown photo: 序号
    QString Edit_mingcheng; // shown photo: name
    QString Edit_geshi;     // shown photo: format
    QString Edit_kuandu;    // shown photo: width
    QString Edit_gaodu;     // shown photo: height
    QString Edit_weizhi;    // shown photo: path

    // Used lists (template indices picked in the current rotation) and choice lists (row
    // numbers not used yet) of the five candidate tables.
    QStringList ListBox_ListView_gaoji_moban_shiyonghao;                      // used: advanced
    QStringList ListBox_ListView_gaoji_moban_xuanzhonghao;                    // choices: advanced
    QStringList ListBox_ListView_gaojimoban_hengzhaopian_moban_shiyonghao;    // used: advanced horizontal
    QStringList ListBox_ListView_gaojimoban_hengzhaopian_moban_xuanzhonghao;  // choices: advanced horizontal
    QStringList ListBox_ListView_gaojimoban_shuzhaopian_moban_shiyonghao;     // used: advanced vertical
    QStringList ListBox_ListView_gaojimoban_shuzhaopian_moban_xuanzhonghao;   // choices: advanced vertical
    QStringList ListBox_ListView_hengzhaopian_moban_shiyonghao;               // used: horizontal
    QStringList ListBox_ListView_hengzhaopian_moban_xuanzhonghao;             // choices: horizontal
    QStringList ListBox_ListView_shuzhaopian_moban_shiyonghao;                // used: vertical
    QStringList ListBox_ListView_shuzhaopian_moban_xuanzhonghao;              // choices: vertical
};
