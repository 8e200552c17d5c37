// Form21: previewing and replacing the background pictures; Form18's defaults.

#include <QLabel>
#include <QRadioButton>

#include "app/Form18.h"
#include "app/Form2.h"
#include "app/Form21.h"
#include "photos/Backgrounds.h"
#include "platform/TextTable.h"
#include "tests/app/PhotoWindowsFixture.h"

namespace {

class BackgroundWindow : public PhotoWindows {
protected:
    // Adds one 1600 x 1200 photo, so the album has used templates and background rows.
    void addOnePhoto() { addPhotos({photo("wide.jpg", {1600, 1200})}); }
    QSize previewSize() const { return Windows::get<Form21>()->preview()->pixmap().size(); }
};

TEST_F(BackgroundWindow, PreviewFitsThePictureWithItsBorder) {
    buildTestLibrary();
    run([&](Form2&) {
        addOnePhoto();
        Form21* form21 = Windows::get<Form21>();
        TextTable& rows = *form21->ListView_moban_beijing;
        ASSERT_GT(rows.rowCount(), 0);
        form21->selectRow(0);
        form21->ListView_moban_beijingClick();
        EXPECT_EQ(previewSize(), QSize(193, 145) + QSize(6, 6));  // 1600 x 1200
        EXPECT_EQ(form21->preview()->toolTip(), "第1张, 背景图片名称: wide");
        EXPECT_EQ(form21->field("Edit_kuandu"), "1600");
        EXPECT_EQ(form21->field("Edit_weizhi"), file("photos/wide.jpg"));
        expectDetailsShown(*form21, form21->preview());

        // A row without a picture says so and shows nothing.
        for (int column = BackgroundColumn::kPicture; column <= BackgroundColumn::kPath; ++column)
            rows.setCell(0, column, QString());
        form21->selectRow(0);  // a changed table is shown afresh, without a selection
        form21->ListView_moban_beijingClick();
        EXPECT_TRUE(form21->preview()->pixmap().isNull());
        EXPECT_EQ(messages_.value(messages_.size() - 1), "当前选中项没有添加背景图片文件！");
        EXPECT_EQ(form21->field("Edit_kuandu"), "");
        expectDetailsShown(*form21, form21->preview());
    });
}

TEST_F(BackgroundWindow, ReplacementTakesHorizontalAndSquarePicturesOnly) {
    buildTestLibrary();
    run([&](Form2&) {
        Form21* form21 = Windows::get<Form21>();
        form21->Button1Click();
        addOnePhoto();
        form21->selectRow(-1);
        form21->Button1Click();
        EXPECT_EQ(messages_, QStringList({"没有找到背景图片文件！", "没有选中背景图片文件！"}));

        TextTable& rows = *form21->ListView_moban_beijing;
        form21->selectRow(0);
        const QStringList before = rows.row(0);
        const QString notVertical = "此张照片不是横照片,请重新更换一张横照片!";
        const std::pair<QString, QString> refused[] = {
            {photo("tall.jpg", {900, 1600}), notVertical},
            {photo("turned.jpg", {900, 1600}, 8), notVertical},  // stored lying, shown standing
            {WriteNotAJpeg(file("photos/notes.jpg")), QString()},  // the decoder's message
        };
        for (const auto& [picture, message] : refused) {
            messages_.clear();
            desktop_->queueFiles({picture});
            form21->Button1Click();
            EXPECT_EQ(rows.row(0), before) << picture.toStdString();
            ASSERT_EQ(messages_.size(), 1) << picture.toStdString();
            if (!message.isEmpty()) EXPECT_EQ(messages_[0], message);
            else EXPECT_TRUE(messages_[0].contains("notes.jpg")) << messages_[0].toStdString();
        }

        const QString square = photo("square.jpg", {1000, 1000});
        desktop_->queueFiles({square});
        form21->Button1Click();
        EXPECT_EQ(rows.row(0).mid(BackgroundColumn::kPicture),
                  QStringList({"square", ".jpg", "1000", "1000", square}));
        form21->selectRow(0);
        form21->ListView_moban_beijingClick();
        EXPECT_EQ(previewSize(), QSize(151, 151));
    });
}

TEST_F(BackgroundWindow, APictureTheRendererCannotDrawShowsItsIconAndNeverHangs) {
    buildTestLibrary();
    run([&](Form2&) {
        addOnePhoto();
        Form21* form21 = Windows::get<Form21>();
        TextTable& rows = *form21->ListView_moban_beijing;
        rows.setCell(0, BackgroundColumn::kPath, WriteTruncatedJpeg(file("photos/cut.jpg")));
        form21->selectRow(0);
        form21->ListView_moban_beijingClick();
        EXPECT_EQ(previewSize(), QSize(199, 151));  // the icon in the picture's place
        EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty());
    });
}

TEST_F(PhotoWindows, SettingsStartFromTheirDefaultsWithTheCombinationChoiceShownButOff) {
    addLibrary(1);
    run([&](Form2&) {
        Form18* settings = Windows::get<Form18>();
        for (const char* checked : {"RadioButton_hengzhaopian_quanping", "RadioButton_shuzhaopian_moren",
                                    "RadioButton_zhujiemian_heng_quanpin", "RadioButton_zhujiemian_shu_shizhong",
                                    "RadioButton_moban_zuhe_bushiyong"})
            EXPECT_TRUE(settings->findChild<QRadioButton*>(checked)->isChecked()) << checked;
        EXPECT_FALSE(settings->RadioButton_hengzhaopian_moren->isChecked());
        EXPECT_FALSE(settings->RadioButton_moban_zuhe_shiyong->isHidden());
        EXPECT_FALSE(settings->RadioButton_moban_zuhe_shiyong->isChecked());
        EXPECT_TRUE(settings->photoSettings().verticalPhotoFit);
        EXPECT_FALSE(settings->combinationsOn());

        settings->RadioButton_zhujiemian_heng_shizhong->setChecked(true);
        desktop_->queueModalAction("Form18", [](Window& w) { static_cast<Form18&>(w).Button1Click(); });
        settings->showModal();
        EXPECT_TRUE(settings->RadioButton_zhujiemian_heng_shizhong->isChecked());
        EXPECT_FALSE(settings->RadioButton_zhujiemian_heng_quanpin->isChecked());
    });
}

}  // namespace
