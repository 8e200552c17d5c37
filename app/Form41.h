#pragma once
// Form41: how added photos are given templates (caption "模板选项：自动为添加的照片分配模板方式").
//
// "添加照片" shows it, with combination templates turned on in 系统设置, after
// buildCombinationTable() has listed the stored combinations (photos/Combinations.h) in
// ListView_zuhemoban with the horizontal and vertical photos each takes. Its commands:
//
//   a click on a combination row   ListView_zuhemobanClick: choose it; its name and counts
//                                  show under the table, the note Label3 says what photos
//                                  it needs ("没有找到组合模板！" / "没有选中组合模板！" in
//                                  a message titled "组合模板" otherwise)
//   使用模板组合添加照片           Button1Click: mode word shiyong_zuhemoban, close (refused
//                                  with "没有找到组合模板！" while no combination lists)
//   使用随机模板添加照片           Button2Click: mode word shiyong_suijimoban, close
//   the close label                close; the mode word stays as it was
//
// The mode word Edit_mobanfashi tells the add-photos command how templates are picked:
// "shiyong_suijimoban" (random templates, one by one) or "shiyong_zuhemoban" (the chosen
// combination, filled by Form13.Timer_shiyong_zuhemoban).

#include "photos/Combinations.h"
#include "platform/Window.h"

class DetailPanel;
class QLabel;
class QTableView;
class TextTable;

class Form41 : public Window {
    Q_OBJECT
public:
    explicit Form41(QWidget* parent = nullptr);

    // Lists the combination archives of the data folder against the template list (one
    // message names every archive left out), chooses row 0 and sets the note.
    void buildCombinationTable();

    // Whether a combination is chosen (the table has a row for Edit_zuhemoban_xuanhao).
    bool hasChosenCombination() const;
    // The chosen combination as the scan read it (its archive number and members), or
    // nullptr when none is chosen.
    const Combination* chosenCombination() const;
    // The photos the chosen combination needs (Nh, Nv).
    int neededHorizontal() const { return neededHorizontal_; }
    int neededVertical() const { return neededVertical_; }
    // The note as Label3 shows it.
    QString note() const;

    // Selects combination row `row` (-1: none) as a click would, without choosing it.
    void selectCombinationRow(int row);

    TextTable* ListView_zuhemoban;     // the combination table, one row per listed archive
    QString Edit_mobanfashi;           // template mode word: shiyong_suijimoban / shiyong_zuhemoban
    QString Edit_zuhemoban_xuanhao;    // 0-based row of the chosen combination ("0")
    QString Edit_zuhemoban_mingcheng;  // its caption, "模板组合 - p"
    QString Edit_zuhemoban_hengzhao;   // its horizontal photos, "3 张"
    QString Edit_zuhemoban_shuzhao;    // its vertical photos, "1 张"

public slots:
    void ListView_zuhemobanClick();  // choose the selected combination
    void Button1Click();             // 使用模板组合添加照片
    void Button2Click();             // 使用随机模板添加照片

private:
    int selectedRow() const;
    void choose(int row);

    QTableView* view_;                  // shows ListView_zuhemoban
    DetailPanel* details_;              // the chosen combination's name and counts, shown
    QLabel* Label3;                     // the note: what photos the choice needs
    QVector<Combination> combinations_; // the listed combinations, row by row
    int neededHorizontal_ = 0;          // Nh of the chosen combination
    int neededVertical_ = 0;            // Nv of the chosen combination
};
