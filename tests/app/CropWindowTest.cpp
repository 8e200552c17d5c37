// Form9, photo crop and zoom, run as a person would over the test library.

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "app/Form2.h"
#include "app/Form9.h"
#include "photos/Crop.h"
#include "photos/SlotTable.h"
#include "platform/TextTable.h"
#include "templates/PreviewFolders.h"
#include "tests/app/PhotoWindowsFixture.h"

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Drags `widget` with the left button by `offset` window pixels and releases it.
void Drag(QWidget* widget, QPoint offset) {
    QWidget* window = widget->window();
    const QPoint start = widget->mapTo(window, QPoint(10, 10));
    SendMouse(widget, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, widget->mapFrom(window, start + offset), Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, widget->mapFrom(window, start + offset), Qt::NoButton);
}

class CropWindow : public PhotoWindows {
protected:
    // Opens the crop window through the main window's command and runs `inside` in it.
    void inCropWindow(Form2& main, const std::function<void(Form9&)>& inside) {
        bool ran = false;
        desktop_->queueModalAction("Form9", [&](Window& w) {
            inside(static_cast<Form9&>(w));
            ran = true;
            w.reject();
        });
        main.Button10Click();
        EXPECT_TRUE(ran);
    }
    // The first slot row of `category`, or -1.
    static int SlotOf(const QString& category) {
        const TextTable& slotTable = table("Form8", "ListView_moban_shiyong_canshu");
        for (int row = 0; row < slotTable.rowCount(); ++row)
            if (slotTable.cell(row, SlotColumn::kCategory) == category &&
                !slotTable.cell(row, SlotColumn::kPhotoPath).isEmpty())
                return row;
        return -1;
    }
    // Chooses the list row that shows slot `slot`.
    static void Choose(Form9& crop, int slot) {
        for (int row = 0; row < crop.ListView_zhaopian_wenjian->rowCount(); ++row) {
            if (crop.ListView_zhaopian_wenjian->cell(row, 4) != QString::number(slot)) continue;
            crop.selectRow(row);
            crop.ListView_zhaopian_wenjianClick();
            return;
        }
        ADD_FAILURE() << "no list row for slot " << slot;
    }
    static CropValues Stored(int slot) { return ReadCropValues(table("Form8", "ListView_moban_shiyong_canshu"), slot); }
    static QPushButton* Button(Form9& crop, const char* name) { return crop.findChild<QPushButton*>(name); }
};

TEST_F(CropWindow, RefusesWithoutPhotosWithoutPlacedPhotosAndWithoutAChoice) {
    buildTestLibrary();
    run([&](Form2& main) {
        inCropWindow(main, [](Form9& crop) { crop.Button_fangdaClick(); });
        addPhotos({photo("wide.jpg", {1600, 1200})});
        inCropWindow(main, [](Form9& crop) {
            EXPECT_EQ(crop.field("Edit_xuanzhonghang"), "wu");
            crop.Button_baocunClick();
            crop.selectRow(-1);
            crop.ListView_zhaopian_wenjianClick();  // a click beside the rows
        });
        TextTable& slotTable = table("Form8", "ListView_moban_shiyong_canshu");
        for (int row = 0; row < slotTable.rowCount(); ++row) slotTable.setCell(row, SlotColumn::kPhotoPath, QString());
        inCropWindow(main, [](Form9& crop) { crop.Button_morenClick(); });
        EXPECT_EQ(messages_, QStringList({"没有添加照片文件！", "没有选中照片文件！", "没有选中照片文件！",
                                          "添加的照片文件没有与模板文件匹配！"}));
    });
}

TEST_F(CropWindow, ZoomsDragsAndSavesAPhotoInASingleHorizontalTemplate) {
    buildTestLibrary();
    run([&](Form2& main) {
        addPhotos({photo("wide.jpg", {1600, 1200})});
        const int slot = SlotOf(kHorizontalCategory);  // 测试横照: one slot of 1920 x 1080
        ASSERT_GE(slot, 0);
        inCropWindow(main, [&](Form9& crop) {
            Choose(crop, slot);
            EXPECT_EQ(crop.slotView(), QRect(0, 0, 800, 450));
            EXPECT_EQ(crop.photoPlace(), QRect(0, 0, 800, 600));  // covers the width, top-aligned
            EXPECT_FALSE(crop.photo()->pixmap().isNull());
            EXPECT_TRUE(crop.findChild<QRadioButton*>("RadioButton_quanping")->isVisibleTo(&crop));
            EXPECT_EQ(crop.field("Edit_cishu"), "1");

            crop.Button_fangdaClick();
            EXPECT_EQ(crop.photoPlace(), QRect(-40, -105, 880, 660));
            Drag(crop.photo(), {30, 0});  // from -40 to -10: still covering, stays
            EXPECT_EQ(crop.photoPlace(), QRect(-10, -105, 880, 660));
            Drag(crop.photo(), {100, 0});  // past the left edge: pulled back
            EXPECT_EQ(crop.photoPlace(), QRect(0, -105, 880, 660));
            EXPECT_EQ(crop.field("Edit_tuodong_kaiguan"), "songkai");
            crop.Button_baocunClick();
            EXPECT_EQ(Stored(slot).fullLeft, 0);
            EXPECT_EQ(Stored(slot).fullTop, -252);
            EXPECT_EQ(Stored(slot).fullWidth, 2112);
            EXPECT_EQ(Stored(slot).fullHeight, 1584);
            EXPECT_FALSE(Stored(slot).fitMark);

            // One step out still covers; the next is refused and shows the saved crop again.
            crop.Button_suoxiaoClick();
            EXPECT_EQ(crop.photoPlace(), QRect(0, -75, 800, 600));
            crop.Button_suoxiaoClick();
            EXPECT_EQ(crop.photoPlace(), QRect(0, -105, 880, 660));
            EXPECT_TRUE(Button(crop, "Button_fangda")->isEnabled());

            // Fit mode shows the fit rectangle; zoom, default size and dragging are off.
            crop.findChild<QRadioButton*>("RadioButton_shizhong")->click();
            EXPECT_EQ(crop.photoPlace(), QRect(100, 0, 600, 450));
            for (const char* name : {"Button_fangda", "Button_suoxiao", "Button_moren"})
                EXPECT_FALSE(Button(crop, name)->isEnabled()) << name;
            crop.Button_fangdaClick();
            Drag(crop.photo(), {50, 0});
            EXPECT_EQ(crop.photoPlace(), QRect(100, 0, 600, 450));
            crop.findChild<QRadioButton*>("RadioButton_quanping")->click();
            EXPECT_TRUE(Button(crop, "Button_fangda")->isEnabled());
            EXPECT_EQ(crop.photoPlace(), QRect(0, -105, 880, 660));
        });
        EXPECT_EQ(messages_, QStringList({"保存剪裁完成！", "不能再缩小了,点[确定]按钮，照片大小恢复到默认大小！"}));
    });
}

TEST_F(CropWindow, AVerticalTemplateSavesLeftZeroAndAPhotoInThreeSlotsCountsThree) {
    buildTestLibrary();
    run([&](Form2& main) {
        addPhotos({photo("tall.jpg", {900, 1600})});
        const int slot = SlotOf(kVerticalCategory);
        ASSERT_GE(slot, 0);
        inCropWindow(main, [&](Form9& crop) {
            Choose(crop, slot);
            EXPECT_FALSE(crop.findChild<QRadioButton*>("RadioButton_quanping")->isVisibleTo(&crop));
            EXPECT_EQ(crop.mode(), CropMode::Fit);
            crop.Button_fangdaClick();
            Drag(crop.photo(), {-20, -15});
            crop.Button_baocunClick();
        });
        const CropValues saved = Stored(slot);
        EXPECT_EQ(saved.fullLeft, 0);
        EXPECT_EQ(saved.fitLeft, 0);
        EXPECT_TRUE(saved.fitMark);
        EXPECT_EQ(saved.fullTop, saved.fitTop);
        EXPECT_LT(saved.fitTop, 0);

        // The same photo in three slots: every row of it counts 3.
        TextTable& slotTable = table("Form8", "ListView_moban_shiyong_canshu");
        for (int copies = 0; copies < 2; ++copies) slotTable.addRow(slotTable.row(slot));
        inCropWindow(main, [&](Form9& crop) {
            int rows = 0;
            for (int row = 0; row < crop.ListView_zhaopian_wenjian->rowCount(); ++row) {
                if (crop.ListView_zhaopian_wenjian->cell(row, 1) != "tall") continue;
                EXPECT_EQ(crop.ListView_zhaopian_wenjian->cell(row, 2), "3");
                ++rows;
            }
            EXPECT_EQ(rows, 3);
        });
    });
}

}  // namespace
