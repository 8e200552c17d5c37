// The main window's state and commands: the initial state, the busy guard over every
// guarded command, every entry point reaching its command, and the commands' own work as
// far as the windows they touch exist.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>

#include "app/AllWindows.h"
#include "platform/CaptionBar.h"
#include "platform/Events.h"
#include "platform/FlashPlayer.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "tests/app/ProgramFixture.h"

namespace {
// Everything a command could change: every field and table of every window, and whether
// the start-up animation still plays.
QStringList Snapshot(const Form2& main) {
    QStringList lines;
    for (const Window* window : Windows::all()) {
        for (const QString& name : window->fieldNames())
            lines.append(window->name() + "." + name + "=" + window->field(name));
        for (const TextTable* table : window->findChildren<TextTable*>())
            lines.append(window->name() + "." + table->objectName() + "\n" + table->toTsv());
    }
    lines.append(main.startupPlayer() ? "animation" : "no animation");
    lines.append(main.totalTime() + " " + main.elapsedTime());
    lines.sort();
    return lines;
}

// Every guarded command of the main window.
const QStringList kGuarded = {
    "Button6Click",  "Button4Click",  "Button7Click",  "Button8Click",  "Button9Click",
    "Button10Click", "Button11Click", "Button48Click", "Button28Click", "Button12Click",
    "Button13Click", "Button14Click", "Button15Click", "Button42Click", "Button43Click",
    "Button44Click", "Button19Click", "Button20Click", "Button21Click", "Button49Click",
    "Button50Click", "Button22Click", "Button23Click", "Button24Click", "Button51Click",
    "Button52Click"};

struct Entry {
    const char* control;
    QStringList commands;  // what the entry point runs, in order
    bool guarded;          // whether, while a preview plays, it only shows the busy message
};

// The entry points as the program's command table gives them.
const QList<Entry> kEntries = {
    {"suiButton1", {"Button6Click"}, true}, {"Button_gongneng_01", {"Button6Click"}, true},
    {"N1", {"Button6Click"}, true},
    {"suiButton2", {"Button4Click"}, true}, {"Button_gongneng_02", {"Button4Click"}, true},
    {"N2", {"Button4Click"}, true},
    {"suiButton3", {"Button7Click"}, true}, {"Button_gongneng_03", {"Button7Click"}, true},
    {"N4", {"Button7Click"}, true},
    {"suiButton5", {"Button8Click"}, true}, {"Button_gongneng_05", {"Button8Click"}, true},
    {"N7", {"Button8Click"}, true},
    {"suiButton4", {"Button9Click"}, true}, {"Button_gongneng_06", {"Button9Click"}, true},
    {"N9", {"Button9Click"}, true},
    {"suiButton6", {"Button10Click"}, true}, {"Button_gongneng_04", {"Button10Click"}, true},
    {"N6", {"Button10Click"}, true},
    {"suiButton10", {"Button11Click"}, true}, {"Button_gongneng_07", {"Button11Click"}, true},
    {"N10", {"Button11Click"}, true}, {"ListView_daoru_moban", {"Button11Click"}, true},
    {"suiButton9", {"Button48Click"}, true}, {"Button_beijingtupian_09", {"Button48Click"}, true},
    {"N12", {"Button48Click"}, true},
    {"suiButton8", {"Button28Click"}, true}, {"Button_xitongshezhi_08", {"Button28Click"}, true},
    {"suiButton17", {"Button18Click", "Button17Click"}, false},
    {"Button33", {"Button18Click", "Button17Click"}, false},
    {"suiButton18", {"Button18Click"}, false}, {"Button26", {"Button18Click"}, false},
    {"suiButton16", {"Button12Click"}, true}, {"Button_xitongshezhi_10", {"Button12Click"}, true},
    {"VCD1", {"Button12Click"}, true},
    {"suiButton15", {"Button13Click"}, true}, {"Button_xitongshezhi_11", {"Button13Click"}, true},
    {"SVCD1", {"Button13Click"}, true},
    {"suiButton14", {"Button14Click"}, true}, {"Button_xitongshezhi_12", {"Button14Click"}, true},
    {"DVD1", {"Button14Click"}, true},
    {"suiButton13", {"Button15Click"}, true}, {"Button_gongneng_13", {"Button15Click"}, true},
    {"AVI1", {"Button15Click"}, true},
    {"Button_xitongshezhi_14", {"Button42Click"}, true},
    {"Button_xitongshezhi_15", {"Button43Click"}, true},
    {"Button_xitongshezhi_16", {"Button44Click"}, true},
    {"Button_charushiping_17", {"Button19Click"}, true},
    {"Button37", {"Button37Click"}, true}, {"suiButton26", {"Button37Click"}, true},
    {"N_shangyi_ye", {"Button37Click"}, true},
    {"Button38", {"Button38Click"}, true}, {"suiButton27", {"Button38Click"}, true},
    {"N_xiayi_ye", {"Button38Click"}, true},
    {"Button20", {"Button20Click"}, true}, {"Button21", {"Button21Click"}, true},
    {"N_diy_ye", {"Button49Click"}, true}, {"N_moyi_ye", {"Button50Click"}, true},
    {"suiButton20", {"Button22Click"}, true}, {"Button41", {"Button22Click"}, true},
    {"suiButton19", {"Button23Click"}, true}, {"Button40", {"Button23Click"}, true},
    {"suiButton21", {"Button24Click"}, true}, {"Button39", {"Button24Click"}, true},
    {"N_chakan_zhaopian", {"Button51Click"}, true}, {"N_yulan_moban", {"Button52Click"}, true},
    {"ListView_daoru_yinyue", {"ListView_daoru_yinyueDblClick"}, false},
    {"ListView_daoru_geci", {"ListView_daoru_geciDblClick"}, false},
    {"Label_quanping", {"Label_quanpingMouseUp"}, false},
    {"Label_huanyuan", {"Label_huanyuanMouseUp"}, false},
    {"suiButton22", {"Label_huanyuanMouseUp"}, false},
    {"Button34", {"Button34Click"}, false},
    {"suiButton23", {"HelpClick"}, false}, {"Button36", {"HelpClick"}, false},
    {"N21", {"HelpClick"}, false},
    {"Label_guanbi", {"Button3Click"}, false}, {"N19", {"Button3Click"}, false},
};

// Uses an entry point as a person would: a click, a menu choice, a release over a
// caption label, a double-click on a list. Answers false when the control is missing.
bool Use(Form2& main, const char* control) {
    QObject* object = main.findChild<QWidget*>(control);
    if (!object) object = main.findChild<QAction*>(control);
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->click();
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->trigger();
    } else if (auto* label = qobject_cast<SkinLabel*>(object)) {
        emit label->released();
    } else if (auto* list = qobject_cast<QAbstractItemView*>(object)) {
        const QPointF at(10, 10);
        QMouseEvent click(QEvent::MouseButtonDblClick, at, list->viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &click);
    } else {
        return false;
    }
    return true;
}
}  // namespace

using Commands = ProgramFixture;

TEST_F(Commands, TheStateStartsFromItsInitialValuesAndIsReachableByName) {
    addLibrary(1);
    run([&](Form2& main) {
        const QList<std::pair<QString, QString>> initial = {
            {"Edit_tuichu", "bofang_tingzhi"}, {"Edit_hangshu", "wu"},
            {"Edit_Width_01", "9"}, {"Edit_Height_01", "9"}, {"Edit_Image_kongjian", "wu"},
            {"FirstPageLoadWord", "kaishi"}, {"Edit_xiangce_leixing", ""},
            {"Edit_kuozhanming_1", ".rar"}, {"Edit_ShockwaveFlash_qi_dong_dong_hua", "0"},
            {"Edit_ShockwaveFlash_bofang", "1"}, {"Edit_yinyue_dakai_1ci", "0"},
            {"Edit_geci_dakai_1ci", "0"}};
        for (const auto& [name, value] : initial) EXPECT_EQ(main.field(name), value) << name.toStdString();
        EXPECT_EQ(main.fieldNames().size(), AppStateFields().size());
        // A write by name is the state every window reads.
        ASSERT_TRUE(main.setField("Edit_tuichu", "bofang_kaishi"));
        EXPECT_TRUE(main.state().playing());
        main.state().Edit_tuichu = "bofang_tingzhi";
        EXPECT_EQ(main.field("Edit_tuichu"), "bofang_tingzhi");
        EXPECT_EQ(main.ListView_daoru_moban->columnCaptions(), QStringList({"序号", "模板", "模板时长"}));
        EXPECT_EQ(main.ListView_daoru_yinyue->columnCaptions(), QStringList({"序号", "音乐", "时间长度"}));
        EXPECT_EQ(main.ListView_daoru_geci->columnCaptions(), QStringList({"序号", "歌词", "歌词格式"}));
        EXPECT_EQ(main.totalTime(), "00:00:00");
        EXPECT_EQ(main.elapsedTime(), "00:00:00");
    });
}

TEST_F(Commands, WhileAPreviewPlaysEveryGuardedCommandOnlyShowsTheBusyMessage) {
    addLibrary(1);
    run([&](Form2& main) {
        queueMessageAnswers(int(kGuarded.size()));
        main.state().Edit_tuichu = "bofang_kaishi";
        const QStringList before = Snapshot(main);
        for (const QString& command : kGuarded) {
            messages_.clear();
            const QStringList modals = desktop_->modalsShown();
            ASSERT_TRUE(main.runCommand(command)) << command.toStdString();
            EXPECT_EQ(messages_, QStringList({"正在播放相册,点停止按钮后,再操作！"})) << command.toStdString();
            EXPECT_EQ(desktop_->modalsShown(), modals + QStringList({"Form14"})) << command.toStdString();
            EXPECT_EQ(Snapshot(main), before) << command.toStdString();
        }
        main.state().Edit_tuichu = "bofang_tingzhi";
    });
}

TEST_F(Commands, EveryEntryPointReachesItsCommand) {
    addLibrary(1);
    run([&](Form2& main) {
        queueMessageAnswers(int(kEntries.size()));
        QStringList invoked;
        QObject::connect(&main, &Form2::commandInvoked, &main,
                         [&invoked](const QString& command) { invoked.append(command); });
        main.state().Edit_tuichu = "bofang_kaishi";
        for (const Entry& entry : kEntries) {
            invoked.clear();
            messages_.clear();
            main.state().Edit_tuichu = "bofang_kaishi";  // the stop entries end the preview
            if (entry.commands == QStringList({"Button3Click"}))
                desktop_->queueModalAction("Form16", [](Window& w) { static_cast<Form16&>(w).Button2Click(); });
            ASSERT_TRUE(Use(main, entry.control)) << entry.control;
            EXPECT_EQ(invoked, entry.commands) << entry.control;
            if (entry.guarded)
                EXPECT_EQ(messages_, QStringList({"正在播放相册,点停止按钮后,再操作！"})) << entry.control;
            else
                EXPECT_FALSE(messages_.contains("正在播放相册,点停止按钮后,再操作！")) << entry.control;
        }
        main.findChild<QMenu*>("PopupMenu_zhujiemian_youshangjiao_caidan")->hide();
        main.state().Edit_tuichu = "bofang_tingzhi";
        // The web-page entries open the product's pages; the exit entries asked first.
        EXPECT_EQ(desktop_->openedExternally(),
                  QStringList({"https://lumora.example/", "https://lumora.example/", "https://lumora.example/templates"}));
        EXPECT_EQ(desktop_->modalsShown().count("Form16"), 2);
    });
}

namespace {
// Records every change of a widget's enabled state, in order.
class EnabledLog : public QObject {
public:
    explicit EnabledLog(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
    QList<bool> changes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::EnabledChange) changes.append(widget_->isEnabled());
        return false;
    }

private:
    QWidget* widget_;
};
}  // namespace

// Each arrow disables the page button whose command it runs, not itself, while it runs.
TEST_F(Commands, TheArrowsDisableThePageButtonTheyRun) {
    addLibrary(1);
    run([&](Form2& main) {
        const struct {
            const char* arrow;
            const char* page;
        } cases[] = {{"Button37", "Button20"}, {"Button38", "Button21"}};
        for (const auto& c : cases) {
            QWidget* arrow = main.findChild<QWidget*>(c.arrow);
            QWidget* page = main.findChild<QWidget*>(c.page);
            ASSERT_TRUE(arrow && page) << c.arrow;
            EnabledLog arrowLog(arrow), pageLog(page);
            main.runCommand(QString(c.arrow) + "Click");
            EXPECT_EQ(pageLog.changes, QList<bool>({false, true})) << c.arrow;
            EXPECT_TRUE(arrowLog.changes.isEmpty()) << c.arrow;
        }
    });
}

TEST_F(Commands, TheFunctionMenuHoldsItsItemsInOrder) {
    addLibrary(1);
    run([&](Form2& main) {
        QStringList items;
        for (const QAction* action : main.findChild<QMenu*>("PopupMenu_zhujiemian_youshangjiao_caidan")->actions())
            items.append(action->isSeparator() ? "-" : action->objectName() + " " + action->text());
        EXPECT_EQ(items, QStringList({"N1 添加照片", "N2 添加音乐", "N4 添加歌词", "-", "N6 照片剪裁",
                                      "N7 画面质量", "N9 同步效果", "-", "N10 模板管理", "-",
                                      "N12 背景图片", "-", "VCD1 VCD", "SVCD1 SVCD", "DVD1 DVD",
                                      "AVI1 AVI", "-", "N21 帮助文件", "-", "N19 退出文件"}));
    });
}

TEST_F(Commands, CommandsThatNeedPhotosOrMusicSayWhatIsMissingAndChangeNothing) {
    addLibrary(1);
    run([&](Form2& main) {
        const QList<std::pair<QString, QString>> cases = {
            {"Button11Click", "没有添加照片文件！使用模板管理功能,至少添加一张照片文件！"},
            {"Button12Click", "没有添加照片文件！"},
            {"Button13Click", "没有添加照片文件！"},
            {"Button14Click", "没有添加照片文件！"},
            {"ListView_daoru_yinyueDblClick", "没有添加音乐文件！"},
            {"ListView_daoru_geciDblClick", "没有添加音乐文件！"},
            {"Button15Click", "没有添加照片文件！"},
            {"Button42Click", "没有添加照片文件！"},
            {"Button43Click", "没有添加照片文件！"},
            {"Button44Click", "没有添加照片文件！"},
            {"Button52Click", "双击照片预览效果！"},
        };
        for (const auto& [command, message] : cases) {
            messages_.clear();
            main.runCommand(command);
            EXPECT_EQ(messages_, QStringList({message})) << command.toStdString();
        }
        // A refused make leaves the make fields as they were.
        EXPECT_EQ(main.field("Edit_zhizuo_kaishi"), "");
        EXPECT_EQ(main.field("Edit_xiangce_leixing"), "");
    });
}

TEST_F(Commands, AddPhotosFreesTheStartUpAnimationOnceAndShowsTheAddPhotosWindow) {
    addLibrary(1);
    run([&](Form2& main) {
        ASSERT_NE(main.startupPlayer(), nullptr);
        for (int pass = 0; pass < 2; ++pass) {
            desktop_->queueModalAction("Form3", [](Window& w) { w.reject(); });
            main.runCommand("Button6Click");
            EXPECT_EQ(main.startupPlayer(), nullptr);
            EXPECT_EQ(main.field("Edit_ShockwaveFlash_qi_dong_dong_hua"), "1");
        }
        EXPECT_EQ(desktop_->modalsShown().count("Form3"), 2);
        EXPECT_TRUE(main.findChild<QWidget*>("Button_gongneng_07")->isEnabled());
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
    });
}

TEST_F(Commands, TheAutomaticTimerOpensTheTemplateManagerOnlyWhenAskedTo) {
    addLibrary(1);
    run([&](Form2& main) {
        QStringList invoked;
        QObject::connect(&main, &Form2::commandInvoked, &main,
                         [&invoked](const QString& command) { invoked.append(command); });
        main.timerZidongkongzhi()->setEnabled(true);
        waitUntil([&] { return !main.timerZidongkongzhi()->enabled(); }, 2000);
        EXPECT_TRUE(messages_.isEmpty());
        main.state().Edit_zidongkongzhi = "dakai_mobanguanli_anniu";
        main.timerZidongkongzhi()->setEnabled(true);
        waitUntil([&] { return !messages_.isEmpty(); }, 2000);
        // Button11Click ran: without photos it says so.
        EXPECT_EQ(messages_, QStringList({"没有添加照片文件！使用模板管理功能,至少添加一张照片文件！"}));
        EXPECT_FALSE(main.timerZidongkongzhi()->enabled());
    });
}
