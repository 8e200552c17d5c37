// The main window's photo pages and large photo, run as a person would over the test library.

#include <QFile>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

#include "app/Form18.h"
#include "app/Form2.h"
#include "app/Form9.h"
#include "app/PageView.h"
#include "tests/app/PhotoWindowsFixture.h"

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Presses the left button at `from` inside `widget`, moves by `offset` and, when asked,
// releases it; every position is aimed at the widget where it lies by then.
void Drag(QWidget* widget, QPoint from, QPoint offset, bool release = true) {
    QWidget* window = widget->window();
    const QPoint start = widget->mapTo(window, from);
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, widget->mapFrom(window, start + offset), Qt::LeftButton);
    if (release) SendMouse(widget, QEvent::MouseButtonRelease, widget->mapFrom(window, start + offset), Qt::NoButton);
}

class PageViewWindow : public PhotoWindows {
protected:
    QLabel* cell(int n) const { return Windows::get<Form2>()->findChild<QLabel*>(QString("Image%1").arg(n)); }
    int filledCells() const {
        int filled = 0;
        for (int n = 1; n <= 9; ++n) filled += cell(n)->pixmap().isNull() ? 0 : 1;
        return filled;
    }
    QLabel* large() const { return Windows::get<Form2>()->largePhoto(); }
    // 添加照片 in the main window: the files added in the photo window, which then closes,
    // and the first page loads. `beforeClosing` runs in the photo window after adding.
    void addThroughMain(Form2& main, const QStringList& files, const std::function<void()>& beforeClosing = {}) {
        desktop_->queueModalAction("Form3", [&, files, beforeClosing](Window& w) {
            addPhotos(files);
            if (beforeClosing) beforeClosing();
            w.accept();
        });
        main.runCommand("Button6Click");
    }
    QString field(const char* name) const { return Windows::get<Form2>()->field(name); }
};

TEST_F(PageViewWindow, EighteenPhotosPageThroughZeroOneAndAnEmptyTwo) {
    buildTestLibrary();
    run([&](Form2& main) {
        QStringList files;
        for (int i = 0; i < 18; ++i) files << photo(QString("p%1.jpg").arg(i, 2, 10, QChar('0')), {160, 120});
        addThroughMain(main, files);
        EXPECT_EQ(field("Edit_fangye_hao"), "0");
        EXPECT_EQ(filledCells(), 9);
        EXPECT_EQ(cell(1)->toolTip(), "鼠标双击预览模板效果。    第1张, 照片名称: p00");

        const struct {
            const char* command;
            QString page;
            int filled;
            QString message;  // empty: none
        } steps[] = {
            {"Button38Click", "1", 9, {}},  // →
            {"Button21Click", "2", 0, {}},  // 下一页: the empty last page
            {"Button21Click", "2", 0, "已经是最后一页了！"},
            {"Button49Click", "0", 9, {}},  // 第一页
            {"Button20Click", "0", 9, "已经是第一页了！"},
            {"Button50Click", "2", 0, {}},  // 末一页
            {"Button50Click", "2", 0, "已经是最后一页了！"},
            {"Button37Click", "1", 9, {}},  // ←
        };
        for (const auto& step : steps) {
            messages_.clear();
            ASSERT_TRUE(main.runCommand(step.command));
            EXPECT_EQ(field("Edit_fangye_hao"), step.page) << step.command;
            EXPECT_EQ(filledCells(), step.filled) << step.command;
            EXPECT_EQ(messages_, step.message.isEmpty() ? QStringList() : QStringList{step.message}) << step.command;
        }
        EXPECT_EQ(cell(1)->toolTip(), "鼠标双击预览模板效果。    第10张, 照片名称: p09");
        // The arrows give their page buttons back.
        EXPECT_TRUE(main.findChild<QWidget*>("Button20")->isEnabled());
        EXPECT_TRUE(main.findChild<QWidget*>("Button21")->isEnabled());

        // While a preview plays, paging only shows the busy message.
        main.state().Edit_tuichu = StateWord::kPlaying;
        messages_.clear();
        main.Button21Click();
        EXPECT_EQ(field("Edit_fangye_hao"), "1");
        EXPECT_EQ(messages_, QStringList{kBusyMessage});
        main.state().Edit_tuichu = StateWord::kStopped;
    });
}

TEST_F(PageViewWindow, ZoomsTheLargePhotoAndRefusesBelowNothing) {
    buildTestLibrary();
    run([&](Form2& main) {
        main.Image1Click();
        main.Button22Click();
        EXPECT_EQ(messages_, QStringList({"没有添加照片文件！", "没有添加照片文件！"}));

        addThroughMain(main, {photo("wide.jpg", {1600, 1200})});
        messages_.clear();
        main.Button23Click();
        EXPECT_EQ(messages_, QStringList{"没有选中照片文件！"});

        main.Image1Click();  // shown at the area's size, filling its width, centred
        EXPECT_EQ(field("Edit_hangshu"), "0");
        EXPECT_EQ(large()->geometry(), QRect(0, -75, 800, 600));
        main.Button22Click();  // 放大: 794 + 80
        EXPECT_EQ(field("Edit_Width_01"), "874");
        EXPECT_EQ(large()->geometry(), QRect(-37, -102, 874, 655));
        main.Button24Click();  // 默认
        EXPECT_EQ(large()->geometry(), QRect(3, -72, 794, 595));

        messages_.clear();
        for (int step = 1; step <= 9; ++step) main.Button23Click();  // down to 74 wide
        EXPECT_TRUE(messages_.isEmpty());
        EXPECT_EQ(large()->size(), QSize(74, 55));
        main.Button23Click();  // below nothing: the default again
        EXPECT_EQ(messages_, QStringList{"不能再缩小了,点[确定]按钮，照片大小恢复到默认大小！"});
        EXPECT_EQ(field("Edit_Width_01"), "794");
        EXPECT_EQ(large()->size(), QSize(794, 595));

        // The fit mode of the settings keeps a horizontal photo inside the area.
        Windows::get<Form18>()->RadioButton_zhujiemian_heng_shizhong->setChecked(true);
        main.Image1Click();
        EXPECT_EQ(large()->geometry(), QRect(104, 3, 592, 444));
        Windows::get<Form18>()->RadioButton_zhujiemian_heng_quanpin->setChecked(true);
    });
}

TEST_F(PageViewWindow, TheLargePhotoDragsOnlyWhileShownAndUntilTheButtonIsReleased) {
    buildTestLibrary();
    run([&](Form2& main) {
        addThroughMain(main, {photo("wide.jpg", {1600, 1200})});
        const QRect idle = large()->geometry();  // the area's default picture
        Drag(large(), {20, 20}, {50, 30});
        EXPECT_EQ(large()->geometry(), idle);

        main.Image1Click();
        Drag(large(), {20, 20}, {50, 30}, false);
        EXPECT_EQ(large()->geometry(), QRect(50, -45, 800, 600));
        EXPECT_EQ(field("Edit_tuodong_kaiguan"), "anxia");
        SendMouse(large(), QEvent::MouseButtonRelease, {70, 50}, Qt::NoButton);
        EXPECT_EQ(field("Edit_tuodong_kaiguan"), "songkai");
        SendMouse(large(), QEvent::MouseMove, {10, 10}, Qt::NoButton);  // moving without the button
        EXPECT_EQ(large()->geometry(), QRect(50, -45, 800, 600));
    });
}

TEST_F(PageViewWindow, DoubleClickAsksForThePhotosTemplatesOnlyOnAFilledCell) {
    buildTestLibrary();
    run([&](Form2& main) {
        addThroughMain(main, {photo("wide.jpg", {1600, 1200})});
        messages_.clear();
        main.Image2Click();
        main.Image2DblClick();  // an empty cell
        EXPECT_TRUE(main.pageView().templateRequests().isEmpty());
        EXPECT_EQ(field("Edit_hangshu"), "wu");
        EXPECT_TRUE(messages_.isEmpty());

        main.Image1Click();
        bool listed = false;
        desktop_->queueModalAction("Form20", [&listed](Window& w) {
            listed = true;
            w.reject();
        });
        main.Image1DblClick();  // its one template has no empty slot
        EXPECT_EQ(main.pageView().templateRequests(), QList<PhotoTemplates>{PhotoTemplates::OneComplete});
        EXPECT_TRUE(listed);
        EXPECT_EQ(field("Edit_hangshu"), "0");

        // "查看照片" in the cell's menu shows the cell last under the mouse.
        main.state().Edit_hangshu = StateWord::kNone;
        main.state().Edit_Image_kongjian = "Image1";
        main.Button51Click();
        EXPECT_EQ(field("Edit_hangshu"), "0");
        main.Button52Click();
        EXPECT_EQ(messages_.value(messages_.size() - 1), "双击照片预览效果！");
    });
}

TEST_F(PageViewWindow, APhotoThatCannotBeDrawnShowsItsIconInTheCellTheAreaAndTheCropView) {
    buildTestLibrary();
    run([&](Form2& main) {
        const QString path = photo("gone.jpg", {1600, 1200});
        addThroughMain(main, {path}, [&] { QFile::remove(path); });  // gone before the page loads
        ASSERT_FALSE(QFile::exists(path));
        EXPECT_FALSE(cell(1)->pixmap().isNull());
        main.Image1Click();
        EXPECT_FALSE(large()->pixmap().isNull());
        EXPECT_EQ(large()->size(), QSize(800, 600));

        bool shown = false;
        desktop_->queueModalAction("Form9", [&](Window& w) {
            auto& crop = static_cast<Form9&>(w);
            crop.selectRow(0);
            crop.ListView_zhaopian_wenjianClick();
            shown = !crop.photo()->pixmap().isNull();
            crop.Button_quxiaoClick();
        });
        main.Button10Click();
        EXPECT_TRUE(shown);
    });
}

}  // namespace
