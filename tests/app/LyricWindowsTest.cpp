// Form5 (the lyric files and their settings), the lyric add job on Form13 and Form23 (the
// settings of one file), run as a person would.

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

#include "app/Form2.h"
#include "app/Form23.h"
#include "app/Form5.h"
#include "app/LyricLabel.h"
#include "media/LyricSettings.h"
#include "platform/TextTable.h"
#include "tests/app/PhotoWindowsFixture.h"

namespace {
namespace C = LyricSettingsColumn;
QString U(const char* text) { return QString::fromUtf8(text); }

class LyricWindows : public PhotoWindows {
public:
    // Lyric files that exist (adding reads nothing, but a person picks real files).
    QStringList lyricFiles(std::initializer_list<const char*> names) {
        QStringList paths;
        for (const char* name : names) paths.append(writeFile(U("lyrics/") + U(name), "[00:01.00]一\n"));
        return paths;
    }
    void addLyrics(const QStringList& files) {
        desktop_->queueFiles(files);
        Windows::get<Form5>()->Button2Click();
    }
    static Form5& form5() { return *Windows::get<Form5>(); }
    static Form23& form23() { return *Windows::get<Form23>(); }
    static void pick(QComboBox* list, const char* text) {
        const int index = list->findText(U(text));
        ASSERT_GE(index, 0) << text;
        list->setCurrentIndex(index);
    }
};

TEST_F(LyricWindows, AddingAndDeletingKeepFilesAndSettingsInStep) {
    buildTestLibrary();
    const QStringList files = lyricFiles({"一.lrc", "二.lrc", "三.LRC"});
    run([&](Form2& main) {
        desktop_->queueModalAction("Form5", [&](Window& w) {
            addLyrics(files);
            addLyrics({files[0]});  // the same file again is a row of its own
            TextTable& lyrics = form5().lyricTable();
            TextTable& settings = form5().settingsTable();
            ASSERT_EQ(lyrics.rowCount(), 4);
            EXPECT_EQ(lyrics.row(2), QStringList({"3", U("三"), ".LRC", files[2]}));
            EXPECT_EQ(lyrics.row(3), QStringList({"4", U("一"), ".lrc", files[0]}));
            ASSERT_EQ(settings.rowCount(), 4);
            EXPECT_EQ(settings.cell(3, C::kPath), files[0]);

            settings.setCell(1, C::kSize, "30");  // file 二 has a setting of its own
            form5().selectLyricRow(0);
            EXPECT_EQ(form5().field("Edit_mingcheng"), U("一"));
            answerNextQuestionOk();
            form5().Button3Click();
            EXPECT_EQ(questions_.value(0), U("是否确定要删除当前选中的歌词文件?"));
            ASSERT_EQ(lyrics.rowCount(), 3);
            EXPECT_EQ(lyrics.cell(0, 0), "1");
            EXPECT_EQ(lyrics.cell(0, LyricFileColumn::kName), U("二"));
            EXPECT_EQ(settings.cell(0, 0), "1");
            EXPECT_EQ(settings.cell(0, C::kSize), "30");  // lyric index 0 now has 二's settings
            EXPECT_EQ(settings.cell(2, 0), "3");
            EXPECT_EQ(form5().field("Edit_mingcheng"), QString());
            w.accept();
        });
        main.runCommand("Button7Click");
        // The main window's summary lists the files left after the window closed.
        EXPECT_EQ(main.ListView_daoru_geci->rowCount(), 3);
        EXPECT_EQ(main.ListView_daoru_geci->cell(0, 1), U("二"));
        EXPECT_EQ(messages_, QStringList({U("选中的歌词文件已经删除！")}));

        answerNextQuestionOk();
        form5().Button4Click();
        EXPECT_EQ(form5().lyricTable().rowCount(), 0);
        EXPECT_EQ(form5().settingsTable().rowCount(), 0);
        EXPECT_EQ(messages_.last(), U("歌词文件已经全部删除！"));
    });
}

TEST_F(LyricWindows, CommandsWithoutFilesOrSelectionSayWhy) {
    buildTestLibrary();
    const QStringList files = lyricFiles({"a.lrc"});
    run([&](Form2&) {
        struct Case {
            const char* what;
            bool withFile;
            bool answerOk;
            void (Form5::*command)();
            const char* message;
        } cases[] = {
            {"delete, empty", false, false, &Form5::Button3Click, "没有添加歌词文件！"},
            {"delete all, empty", false, false, &Form5::Button4Click, "没有添加歌词文件！"},
            {"settings, empty", false, false, &Form5::Button11Click, "没有添加歌词文件！"},
            {"delete, none selected", true, true, &Form5::Button3Click, "没有选中歌词文件！"},
            {"settings, none selected", true, false, &Form5::Button11Click, "没有选中歌词文件！"},
        };
        for (const Case& c : cases) {
            if (c.withFile && form5().lyricTable().rowCount() == 0) addLyrics(files);
            form5().selectLyricRow(-1);
            if (c.answerOk) answerNextQuestionOk();
            messages_.clear();
            (form5().*c.command)();
            EXPECT_EQ(messages_, QStringList({U(c.message)})) << c.what;
        }
        EXPECT_EQ(form5().lyricTable().rowCount(), 1);
    });
}

TEST_F(LyricWindows, SettingsShowANewRecordBoldWhiteSize10Centred335FromTheTop) {
    buildTestLibrary();
    run([&](Form2&) {
        addLyrics(lyricFiles({"a.lrc"}));
        form5().selectLyricRow(0);
        desktop_->queueModalAction("Form23", [&](Window& w) {
            const QLabel* label = form23().sampleLabel();
            EXPECT_TRUE(label->font().bold());
            EXPECT_FALSE(label->font().italic());
            EXPECT_EQ(label->font().family(), U("黑体"));
            EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
            EXPECT_EQ(label->y(), 335);
            EXPECT_EQ(label->x(), kLyricScreenWidth / 2 - label->width() / 2);
            EXPECT_EQ(form23().ComboBox_geci_daxiao->currentText(), "10");
            EXPECT_EQ(form23().ComboBox_geci_daxiao->count(), 51);
            EXPECT_EQ(form23().ComboBox_geci_daxiao->itemText(50), "60");
            EXPECT_EQ(form23().ComboBox_geci_zixing->currentText(), U("粗体"));
            EXPECT_EQ(form23().ColorBox_geci_yase->currentText(), "clWhite");
            EXPECT_TRUE(form23().RadioButton_moren->isChecked());
            EXPECT_FALSE(form23().TrackBar_geci_y->isEnabled());
            EXPECT_EQ(form23().TrackBar_geci_y->value(), 335);
            w.reject();
        });
        form5().Button11Click();

        // A player's label shows the same.
        QWidget area;
        area.resize(kLyricScreenWidth, kLyricScreenHeight);
        QLabel line(&area);
        ApplyLyricSettings(line, area, U("春风吹过"), 0);
        EXPECT_TRUE(line.font().bold());
        EXPECT_EQ(line.y(), 335);
        EXPECT_EQ(line.x(), kLyricScreenWidth / 2 - line.width() / 2);
        EXPECT_EQ(line.palette().color(QPalette::WindowText), QColor(Qt::white));
    });
}

TEST_F(LyricWindows, LiveChangesShowOnTheSampleAndSavingPutsTheLineWhereItWasShown) {
    buildTestLibrary();
    run([&](Form2&) {
        addLyrics(lyricFiles({"a.lrc", "b.lrc"}));
        struct Case {
            const char* what;
            bool centre;
            QPoint expected;  // (-1, y): centred
        } cases[] = {{"custom left", false, {40, 100}}, {"custom, centred", true, {-1, 100}}};
        for (const Case& c : cases) {
            form5().selectLyricRow(1);
            QRect shown;
            QString shownText;
            desktop_->queueModalAction("Form23", [&](Window&) {
                Form23& f = form23();
                const QLabel* label = f.sampleLabel();
                f.RadioButton_zidingyi->click();
                EXPECT_TRUE(f.TrackBar_geci_x->isEnabled());
                pick(f.ComboBox_geci_zixing, "粗体 倾斜");
                EXPECT_TRUE(label->font().bold() && label->font().italic());
                pick(f.ComboBox_geci_zixing, "常规");
                EXPECT_FALSE(label->font().bold() || label->font().italic());
                pick(f.ComboBox_geci_zixing, "倾斜");
                EXPECT_TRUE(!label->font().bold() && label->font().italic());
                pick(f.ComboBox_geci_daxiao, "20");
                pick(f.ColorBox_geci_yase, "clYellow");
                EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::yellow));
                const QString simplified = label->text();
                pick(f.ComboBox_jiantifanti, "繁体");
                EXPECT_EQ(label->text(), U("此處顯示歌詞內容"));
                EXPECT_EQ(label->text().size(), simplified.size());
                f.TrackBar_geci_y->setValue(100);
                f.TrackBar_geci_x->setValue(40);
                EXPECT_TRUE(f.RadioButton_zidingyi_left->isChecked());
                EXPECT_EQ(label->pos(), QPoint(40, 100));
                if (c.centre) {
                    f.RadioButton_juzhong->click();
                    EXPECT_EQ(f.TrackBar_geci_x->value(), label->x());
                }
                shown = label->geometry();
                shownText = label->text();
                f.Button1Click();
            });
            form5().Button11Click();

            const QStringList record = form5().settingsTable().row(1);
            EXPECT_EQ(record.value(C::kMode), "zidingyi_xianshi") << c.what;
            EXPECT_EQ(record.value(C::kCentring), c.centre ? "zidingyi_juzhong" : "wu") << c.what;
            EXPECT_EQ(record.value(C::kCustomTop), "100") << c.what;
            EXPECT_EQ(record.value(C::kDefaultTop), "335") << c.what;
            EXPECT_EQ(record.mid(C::kFace + 1, 2), QStringList({"xieti", "20"})) << c.what;
            EXPECT_EQ(record.value(C::kColourName), "clYellow");
            EXPECT_EQ(record.value(C::kColourNumber), QString::number(0x00FFFF));
            EXPECT_EQ(record.value(C::kForm), "fanti");
            EXPECT_EQ(form5().settingsTable().row(0), DefaultLyricSettings(1, form5().lyricPath(0)));

            // Shown by a player, the sample text stands exactly where the window showed it.
            QWidget area;
            area.resize(kLyricScreenWidth, kLyricScreenHeight);
            QLabel line(&area);
            ApplyLyricSettings(line, area, U("此处显示歌词内容"), 1);
            EXPECT_EQ(line.text(), shownText) << c.what;
            EXPECT_EQ(line.geometry(), shown) << c.what;
            if (c.expected.x() >= 0) EXPECT_EQ(line.pos(), c.expected) << c.what;
            else EXPECT_EQ(line.x(), kLyricScreenWidth / 2 - line.width() / 2) << c.what;
        }
    });
}

TEST_F(LyricWindows, CancelAndDefaultPositionLeaveTheRecordAsItWas) {
    buildTestLibrary();
    run([&](Form2&) {
        addLyrics(lyricFiles({"a.lrc"}));
        form5().selectLyricRow(0);
        const QStringList before = form5().settingsTable().row(0);
        desktop_->queueModalAction("Form23", [&](Window&) {
            form23().RadioButton_zidingyi->click();
            pick(form23().ComboBox_geci_daxiao, "40");
            form23().TrackBar_geci_y->setValue(20);
            form23().Button2Click();
        });
        form5().Button11Click();
        EXPECT_EQ(form5().settingsTable().row(0), before);

        // 默认显示 puts back the record's own look and place before saving.
        desktop_->queueModalAction("Form23", [&](Window&) {
            form23().RadioButton_zidingyi->click();
            pick(form23().ComboBox_geci_daxiao, "40");
            form23().TrackBar_geci_y->setValue(20);
            form23().RadioButton_moren->click();
            EXPECT_EQ(form23().sampleLabel()->y(), 335);
            EXPECT_EQ(form23().ComboBox_geci_daxiao->currentText(), "10");
            EXPECT_FALSE(form23().ComboBox_geci_daxiao->isEnabled());
            form23().Button1Click();
        });
        form5().Button11Click();
        EXPECT_EQ(form5().settingsTable().row(0), before);
    });
}
}  // namespace
