#pragma once
// Form8: the template manager (caption "模板管理").
//
// Here the album's template sequence is built by hand. The window shows the template
// library (ListView_moban, which the main window fills at start), the album's used
// templates (ListView_moban_shiyong) with the details of the one shown, the photo places
// of that template as frame tiles (frame area ScrollBox_mobankuang) and every album photo
// as a numbered tile (photo strip ScrollBox_zhapian). Dragging a photo tile onto a frame
// tile puts the photo there and computes its crop; a frame of the other kind refuses it
// ("此处需要一张横照片！"); a release away from every frame changes nothing. The rules of
// tiles, frames and drops are in templates/TemplateManager.h, the edits of the album's
// tables in photos/ManualMatching.h (reached through templates/TemplateManagerServices.h).
//
// The main window's 模板管理 opens it with the loading timer Timer1 enabled; the first tick
// makes the photo tiles (through the photo renderer, the number written on each) and says
// "加载照片文件完成！". Every tile is destroyed when the window closes; the tables keep
// every change.
//
// Its commands (buttons, the two context menus and the double-click forward to them):
//   Timer1Timer                     the loading (one shot)
//   使用选中模板  ↓  Button1Click    the selected library template into the album, no photos
//                                   (also the library menu and a double-click on the list)
//   预览模板        Button2Click    preview the selected library template (Form19)
//   a click on the used templates   ListView_moban_shiyongClick: show its details and frames,
//                                   the photos it holds in their frames
//   预览            Button3Click    preview the selected used template with its photos;
//                                   refused while a frame is empty
//   删除            Button4Click    delete the selected used template, after asking
//   全删            Button5Click    delete every used template, after asking
//   返     回       Button6Click    close (also the close label)
//   添加外部模板文件 Button7Click    the main window's 下载更多模板: the template page
//   自动匹配照片     Button8Click    the photo window's 自动套版: the waiting photos matched
//   提示演示效果 (CheckBox_tishi)    the moving picture shown by use and show, on or off
//
// dropPhoto is the drop itself; dragPhotoToFrame moves the mouse to make it, for the
// scripted driver and the tests.

#include <QImage>
#include <QPoint>
#include <QVector>
#include <functional>

#include "platform/Window.h"
#include "templates/TemplateManager.h"

class CaptionBar;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTableView;
class TextTable;
class Timer;

class Form8 : public Window {
    Q_OBJECT
public:
    explicit Form8(QWidget* parent = nullptr);

    // Empties the detail fields of the template shown.
    void clearDetailFields();

    // The selected row of the library list and of the used templates (0-based, -1: none),
    // and selecting one (-1 clears) as a click would, without running the click.
    int selectedLibraryRow() const;
    void selectLibraryRow(int row);
    int selectedUsedRow() const;
    void selectUsedRow(int row);

    // The loading, now, when its timer has not fired yet.
    void finishLoading();
    // Photo tiles, frame tiles and frame labels; nullptr when there is none of that number.
    QLabel* photoTile(int photoRow) const;
    QLabel* frameTile(int slotNumber) const;
    QLabel* frameLabel(int slotNumber) const;
    int frameCount() const { return int(frameTiles_.size()); }
    int photoTileCount() const { return int(photoTiles_.size()); }

    // Drops photo `photoRow` on frame tile `slotNumber` of the template shown, as releasing
    // a dragged photo over that frame does: the kind check, then the photo into the slot.
    void dropPhoto(int photoRow, int slotNumber);
    // Drags photo tile `photoRow` onto frame tile `slotNumber` with the mouse, as a person
    // does: both scrolled into view, a press on the photo, a move over the frame and the
    // release there. Answers false (nothing done) when either tile does not exist.
    bool dragPhotoToFrame(int photoRow, int slotNumber);

    TextTable* ListView_moban;  // the template list: 序号, 模板, 类型, 横照片, 竖照片, 时长, 分类
    Timer* Timer1;              // the loading, one shot
    QProgressBar* ProgressBar1; // one step per photo tile made
    QCheckBox* CheckBox_tishi;  // 提示演示效果

public slots:
    void Timer1Timer();
    void Button1Click();  // 使用选中模板  ↓
    void Button2Click();  // 预览模板
    void ListView_moban_shiyongClick();
    void Button3Click();  // 预览
    void Button4Click();  // 删除
    void Button5Click();  // 全删
    void Button6Click();  // 返     回
    void Button7Click();  // 添加外部模板文件
    void Button8Click();  // 自动匹配照片
    void ListView_mobanDblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    // Layout (Form8.cpp).
    void buildLibraryGroup();
    void buildUsedGroup();
    void buildTileAreas();
    void buildBottomRow();
    void attachAlbumTables();
    // Tiles (Form8Tiles.cpp).
    QSize tileSize() const;
    QLabel* makeTile(QWidget* area, const QString& name, const QString& labelName, QLabel** label);
    void layOutTiles(QWidget* content, const QVector<QLabel*>& tiles, const QVector<QLabel*>& labels);
    void makePhotoTiles();
    void destroyPhotoTiles();
    void makeFrameTiles(int usedRow);
    void destroyFrameTiles();
    QImage frameCard(const QString& kind) const;
    // Dragging (Form8Tiles.cpp).
    bool dragEvent(QLabel* source, QEvent* event);
    void startDrag(int photoRow, QPoint mouse);
    int frameUnder(QPoint global) const;
    // Details and the moving picture.
    void showDetails(int usedRow);
    void refreshDetails();
    void playHint(QPoint start, QPoint step, int intervalMs, const std::function<bool(QPoint)>& arrived);
    void setControlsEnabled(bool enabled);
    void previewUsedTemplate(int usedRow);
    TextTable* usedTemplates() const;

    QString Edit_xuhao;                // shown template: its index
    QString Edit_mobanmingcheng;       // its name
    QString Edit_liexing;              // its type
    QString Edit_mobanshichang;        // its running time
    QString Edit_hengzhaopian;         // horizontal photos it takes
    QString Edit_shuzhaopian;          // vertical photos it takes
    QString Edit_mobanhangshu;         // its 1-based row in the used templates; empty: none shown
    QString Edit_tianjia_hengzhaopian; // horizontal photos added (always "0")
    QString Edit_tianjia_shuzhaopian;  // vertical photos added (always "0")
    QString Edit_zhaopian_kuang;       // "xiezai_zhaopian_kuang" while frame tiles exist, else "wu"
    QString Edit_zhaopian_id;          // photo row being dragged
    QString Edit_mobankuang_id;        // slot number of the frame under the dragged photo
    QString Edit_tuodong_kaiguan;      // drag state: "anxia" pressed, "songkai" released
    QString Edit_tuodong_down_x;       // grab point inside the drag box
    QString Edit_tuodong_down_y;

    CaptionBar* caption_;
    QGroupBox* libraryGroup_;           // 全部模板
    QGroupBox* usedGroup_;              // 已经使用的模板
    QTableView* libraryView_;           // shows ListView_moban
    QTableView* usedView_;              // shows ListView_moban_shiyong
    QMenu* libraryMenu_;
    QMenu* usedMenu_;
    QWidget* detailPanel_;              // the shown template's details
    QVector<QLineEdit*> detailEdits_;
    QScrollArea* ScrollBox_mobankuang;  // frame area, 593 x 209
    QScrollArea* ScrollBox_zhapian;     // photo strip, 593 x 289
    QWidget* frameContent_;             // the frame area's tiles stand on it
    QWidget* photoContent_;             // the photo strip's tiles stand on it
    QWidget* ScrollBox_yidongkongjian;  // the drag box, 105 x 105
    QLabel* dragPicture_;
    QLabel* dragName_;
    QLabel* Image_tishi;                // the moving picture of the hint
    QList<QWidget*> lockedDuringHint_;
    QVector<QLabel*> photoTiles_;       // Imagem_n, by photo row
    QVector<QLabel*> photoLabels_;      // Label_n
    QVector<QLabel*> frameTiles_;       // Imagem_kk, by slot number
    QVector<QLabel*> frameLabels_;      // Label_kk
    QPoint grab_;                       // where the drag box was taken, inside it
};
