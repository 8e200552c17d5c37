// Form24 (album type, size and name) through the make commands, Form6 (TV system and
// quality) through the quality command, Form7 through the sync command.

#include <QDir>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/Form2.h"
#include "app/Form24.h"
#include "app/Form6.h"
#include "app/Form7.h"
#include "tests/app/PhotoWindowsFixture.h"

namespace {

class AlbumTypeWindows : public PhotoWindows {
protected:
    void addOnePhoto() { addPhotos({photo("wide.jpg", {1600, 1200})}); }
    static QStringList sizeEntries(Form24& w) {
        QStringList entries;
        for (int i = 0; i < w.ComboBox_xuanze_shuchu_chicun->count(); ++i)
            entries << w.ComboBox_xuanze_shuchu_chicun->itemText(i);
        return entries;
    }
};

TEST_F(AlbumTypeWindows, MakeCommandsOfferTheirTypesSizesWithRowFourChosen) {
    buildTestLibrary();
    run([&](Form2& main) {
        addOnePhoto();
        const struct {
            const char* command;
            QString type;
            int rows;
            QString largest;
        } cases[] = {{"Button12Click", "VCD", 5, "1280 × 720"}, {"Button14Click", "DVD", 9, "2048 × 1152"}};
        for (const auto& c : cases) {
            QStringList entries;
            QString width, height, shown, type;
            desktop_->queueModalAction("Form24", [&](Window& w) {
                auto& form = static_cast<Form24&>(w);
                entries = sizeEntries(form);
                width = form.field("Edit_chicun_width");
                height = form.field("Edit_chicun_height");
                shown = form.field("Edit_shuchu_chicun");
                type = form.field("Edit_shuchu_leixing");
                form.Button4Click();
            });
            main.runCommand(c.command);
            EXPECT_EQ(entries.size(), c.rows) << c.command;
            EXPECT_EQ(entries.value(entries.size() - 1), c.largest);
            EXPECT_EQ(shown, "1280 × 720");
            EXPECT_EQ(width, "1280");
            EXPECT_EQ(height, "720");
            EXPECT_EQ(type, c.type);
            EXPECT_EQ(main.state().Edit_xiangce_leixing, c.type);
        }
    });
}

TEST_F(AlbumTypeWindows, RowSevenIsTallerForWmvAndMov) {
    buildTestLibrary();
    run([&](Form2&) {
        Form24* form = Windows::get<Form24>();
        for (const auto& [type, height] : {std::pair{"WMV", "1088"}, {"MOV", "1088"}, {"MP4", "1080"}}) {
            form->fillFor(type);
            form->ComboBox_xuanze_shuchu_chicun->setCurrentIndex(7);
            form->ComboBox_xuanze_shuchu_chicunChange();
            EXPECT_EQ(form->field("Edit_chicun_width"), "1920") << type;
            EXPECT_EQ(form->field("Edit_chicun_height"), height) << type;
            EXPECT_EQ(form->field("Edit_shuchu_chicun"), QString("1920 × ") + height);
            form->Button5Click();  // 默认
            EXPECT_EQ(form->field("Edit_chicun_height"), "720");
        }
    });
}

TEST_F(AlbumTypeWindows, CancelMakesNothingAndAnEmptyNameKeepsTheWindowOpen) {
    buildTestLibrary();
    run([&](Form2& main) {
        addOnePhoto();
        QDir().mkpath(file("out"));
        desktop_->queueFolder(file("out"));
        desktop_->queueModalAction("Form24", [](Window& w) { static_cast<Form24&>(w).Button4Click(); });
        main.Button12Click();
        EXPECT_EQ(Windows::get<Form24>()->field("Edit_quxiao"), "zhizuo_quxiao");
        EXPECT_TRUE(main.state().Edit_xiangce_baocun_weizhi.isEmpty());  // no folder was asked for

        messages_.clear();
        bool stayedOpen = false;
        desktop_->queueModalAction("Form24", [&](Window& w) {
            auto& form = static_cast<Form24&>(w);
            form.Button2Click();
            stayedOpen = form.isVisible();
            form.findChild<QLineEdit*>("Edit_xiangce_mingcheng")->setText("我的相册");
            form.findChild<QLineEdit*>("Edit_xiangce_mingcheng")->textEdited("我的相册");
            form.Button2Click();
        });
        main.Button12Click();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages_, QStringList{"相册名称不能为空,请输入相册名称！"});
        EXPECT_EQ(Windows::get<Form24>()->field("Edit_quxiao"), "zhizuo_kaishi");
        EXPECT_EQ(Windows::get<Form24>()->field("Edit_xiangce_mingcheng"), "我的相册");
        EXPECT_EQ(main.state().Edit_xiangce_baocun_weizhi, file("out") + "/");
        // With a name and a folder the making starts.
        EXPECT_TRUE(desktop_->modalsShown().contains("Form25"));
    });
}

TEST_F(AlbumTypeWindows, QualityWindowKeepsPalAndHighQualityAndTheUsersChoice) {
    buildTestLibrary();
    run([&](Form2& main) {
        Form6* form = Windows::get<Form6>();
        desktop_->queueModalAction("Form6", [](Window& w) { static_cast<Form6&>(w).Button1Click(); });
        main.Button8Click();
        EXPECT_TRUE(form->RadioButton_dianshizhishi_PAL->isChecked());
        EXPECT_TRUE(form->RadioButton_gaoqing_huazhi->isChecked());
        EXPECT_EQ(form->field("Edit_huamianzhiliang_xuanzhong"), "gaoqing");
        EXPECT_EQ(form->tvSystem(), TvSystem::Pal);

        desktop_->queueModalAction("Form6", [](Window& w) {
            auto& quality = static_cast<Form6&>(w);
            quality.RadioButton_dianshizhishi_NTSC->click();
            quality.RadioButton_yiban_huazhi->click();
            quality.Button1Click();
        });
        main.Button8Click();
        EXPECT_EQ(form->field("Edit_huamianzhiliang_xuanzhong"), "biaoqing");
        EXPECT_TRUE(form->RadioButton_yiban_huazhi->isChecked());
        EXPECT_EQ(form->tvSystem(), TvSystem::Ntsc);
        EXPECT_FALSE(form->highQuality());
    });
}

TEST_F(AlbumTypeWindows, SyncWindowStartsWithTemplatesAndTheTotalFollowsIt) {
    buildTestLibrary();
    run([&](Form2& main) {
        Form7* form = Windows::get<Form7>();
        EXPECT_EQ(form->mode(), SyncMode::Templates);
        desktop_->queueModalAction("Form7", [](Window& w) { static_cast<Form7&>(w).Button1Click(); });
        main.Button9Click();
        EXPECT_EQ(main.totalTime(), "00:00:00");  // no completed template

        addOnePhoto();
        desktop_->queueModalAction("Form7", [](Window& w) { static_cast<Form7&>(w).Button1Click(); });
        main.Button9Click();
        EXPECT_EQ(main.totalTime(), "00:00:06");  // 5 frames + 150

        desktop_->queueModalAction("Form7", [](Window& w) {
            static_cast<Form7&>(w).RadioButton_yinyue_tongbu->click();
            static_cast<Form7&>(w).Button1Click();
        });
        main.Button9Click();
        EXPECT_EQ(form->mode(), SyncMode::Music);
        EXPECT_EQ(main.totalTime(), "00:00:00");
    });
}

}  // namespace
