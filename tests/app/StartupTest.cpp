// Start-up: the single instance, the loading chain over the library, the main window's
// opening with the start-up animation, and the failed checks that end the program.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QProgressBar>
#include <QSysInfo>

#include "app/AllWindows.h"
#include "platform/Events.h"
#include "platform/FlashPlayer.h"
#include "platform/InstanceLock.h"
#include "platform/CaptionBar.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "templates/Container.h"
#include "templates/TemplateTables.h"
#include "tests/app/ProgramFixture.h"

namespace {
QStringList Column(const TextTable& table, int column) {
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row) cells.append(table.cell(row, column));
    return cells;
}
}  // namespace

using Startup = ProgramFixture;

TEST_F(Startup, ASecondCopyEndsWithoutShowingAnythingAndLeavesTheFirstAlone) {
    addLibrary(1);
    InstanceLock first("Lumora", Program::lockFolder());
    ASSERT_TRUE(first.acquired());
    program_ = std::make_unique<Program>();
    program_->start();
    EXPECT_TRUE(Program::ended());
    EXPECT_FALSE(Windows::get<Form1>()->isVisible());
    EXPECT_FALSE(Windows::get<Form1>()->timer1()->enabled());
    EXPECT_TRUE(desktop_->modalsShown().isEmpty());
    // The first copy still holds its lock.
    EXPECT_FALSE(InstanceLock("Lumora", Program::lockFolder()).acquired());
}

TEST_F(Startup, ALockLeftByACrashedCopyDoesNotBlockTheNextStart) {
    addLibrary(1);
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    gone.waitForFinished();
    writeFile("lock/Lumora.lock", QByteArray::number(deadPid) + "\nlumora\n" +
                                      QSysInfo::machineHostName().toUtf8() + "\n");
    program_ = std::make_unique<Program>();
    program_->start();
    EXPECT_FALSE(Program::ended());
    EXPECT_TRUE(Windows::get<Form1>()->isVisible());
    EXPECT_TRUE(Windows::get<Form1>()->timer1()->enabled());
}

// Esc on the loading window neither hides it nor stops the loading chain.
TEST_F(Startup, EscapeOnTheLoadingWindowDoesNothing) {
    addLibrary(1);
    program_ = std::make_unique<Program>();
    program_->start();
    Form1* loading = Windows::get<Form1>();
    ASSERT_TRUE(loading->isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(loading, &escape);
    processPendingEvents();
    EXPECT_TRUE(loading->isVisible());
    EXPECT_TRUE(loading->timer1()->enabled());
    EXPECT_FALSE(Program::ended());
}

TEST_F(Startup, LoadsTheLibraryAndOpensTheMainWindowOverAFreshWorkingFolder) {
    addStartupArchive();
    addTemplate("b/mb2.rar", {"竖双", "|shu|shu|", "|a_1|a_2|", 1500});
    addTemplate("a.rar", {"横单", "|heng|", "|a_1|", 250});
    addTemplate("c.RAR", {"两用", "|shuheng|", "|a_1|", 2250});
    addTemplate("b/mb1.rar", {"横竖", "|heng|shu|", "|a_1|a_2|", 125});
    addTemplate("d.Rar", {"不取", "|heng|", "|a_1|", 125});
    writeFile("lumdata/wj_0_or_2/wjj_00_j_y/old/left.rar", "from an earlier run");
    writeFile("lumdata/wj_y_l/wjj_1/left.jpg", "from an earlier preview");
    writeFile("wj_to_wj/left.bin", "x");
    bool opened = false;
    run([&](Form2& main) {
        opened = true;
        const TextTable& p = *main.ListView_mobancanshu;
        // Depth first in name order; ".Rar" is not taken; the halves pair up by position.
        EXPECT_EQ(Column(p, ParameterTable::Col::Name), QStringList({"横单", "横竖", "竖双", "两用"}));
        EXPECT_EQ(Column(p, ParameterTable::Col::Index), QStringList({"0", "1", "2", "3"}));
        for (int row = 0; row < p.rowCount(); ++row) {
            const QString param = main.ListBox_saomiaomobanwenjian_ini->cell(row, 0);
            EXPECT_EQ(QFileInfo(ParameterTable::MoviePath(p, row)).fileName(), QFileInfo(param).fileName());
            EXPECT_TRUE(ParameterTable::MoviePath(p, row).contains("wjj_02"));
        }
        EXPECT_EQ(Column(p, ParameterTable::Col::ClassWord),
                  QStringList({"heng", "gaojimoban", "gaojimoban", "shuheng"}));
        EXPECT_EQ(Windows::get<Form8>()->ListView_moban->toTsv(),
                  "序号\t模板\t类型\t横照片\t竖照片\t时长\t分类\n"
                  "1\t横竖\t高级模板\t1\t1\t00:00:05\t综合模板\n"
                  "2\t竖双\t高级模板\t0\t2\t00:01:00\t综合模板\n"
                  "0\t横单\t单张模板\t1\t0\t00:00:10\t横照模板\n"
                  "3\t两用\t单张模板\t1\t0\t00:01:30\t横照模板\n"
                  "3\t两用\t单张模板\t0\t1\t00:01:30\t竖照模板\n");
        EXPECT_EQ(Windows::get<Form1>()->progressBar()->maximum(), 4);
        EXPECT_EQ(Windows::get<Form1>()->progressBar()->value(), 4);
        EXPECT_FALSE(Windows::get<Form1>()->isVisible());

        // The working folder holds 19 intermediates per template and 12 of the start-up
        // animation, and nothing from the earlier run.
        const QStringList work = filesBelow("lumdata/wj_0_or_2/wjj_00_j_y");
        EXPECT_EQ(work.size(), 4 * 19 + 12) << work.join(' ').toStdString();
        EXPECT_EQ(work.filter(QRegularExpression("^wjj_00_j_y[1-4]-\\d+\\.rar$")).size(), 4 * 19);
        EXPECT_EQ(work.filter(QRegularExpression("^wj_0_or_2_2_d_2\\d{7,8}\\.rar$")).size(), 12);
        EXPECT_FALSE(work.contains("left.rar"));
        EXPECT_FALSE(exists("lumdata/wj_0_or_2/wjj_00_j_y/wj_0_or_2_2_d.swf"));
        EXPECT_FALSE(exists("lumdata/wj_y_l"));
        EXPECT_FALSE(exists("wj_to_wj"));
    });
    EXPECT_TRUE(opened);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}

TEST_F(Startup, TheMainWindowOpensWithItsSkinVersionAndTheAnimationOverThePhotoArea) {
    addLibrary(2);
    run([&](Form2& main) {
        auto* player = main.findChild<FlashPlayer*>("ShockwaveFlash_2_qi_dong_dong_hua");
        ASSERT_TRUE(player);
        EXPECT_EQ(player, main.startupPlayer());
        EXPECT_FALSE(player->isEnabled());
        EXPECT_TRUE(player->isVisible());
        QWidget* box = main.findChild<QWidget*>("ScrollBox_qi_dong_dong_hua");
        QWidget* area = main.findChild<QWidget*>("ScrollBox_zhujiemian");
        EXPECT_EQ(box->geometry(), area->geometry());
        EXPECT_EQ(area->size(), QSize(800, 450));
        EXPECT_EQ(player->geometry(), QRect(QPoint(0, 0), box->size()));
        EXPECT_EQ(player->GetVariable("k_r_d_p_w_t_g_r_w"), "k_r_d_p_w_e_o_t_g_r_w_u_i");
        EXPECT_EQ(main.field("Edit_ShockwaveFlash_qi_dong_dong_hua"), "0");
        EXPECT_EQ(main.field("FirstPageLoadWord"), "kaishi");

        auto* version = main.findChild<QLabel*>("Label_banben");
        EXPECT_TRUE(version->text().contains("12.9"));
        EXPECT_EQ(version->pos(), QPoint(300, 18));
        EXPECT_EQ(main.findChild<QLabel*>("Image_ico")->geometry(), QRect(7, 8, 32, 32));

        // The caption: the close piece at the right edge, the others to its left, the
        // middle piece filling the gap, the labels over the buttons.
        auto piece = [&](const char* name) { return main.findChild<QLabel*>(name)->geometry(); };
        const int w = main.width();
        EXPECT_EQ(piece("Image_zhujiemian_1"), QRect(0, 0, 330, 49));
        EXPECT_EQ(piece("Image_zhujiemian_3"), QRect(w - 36, 0, 36, 49));
        EXPECT_EQ(piece("Image_zhujiemian_4"), QRect(w - 36 - 28, 0, 28, 49));
        EXPECT_EQ(piece("Image_zhujiemian_5"), QRect(w - 36 - 28 - 29, 0, 29, 49));
        EXPECT_EQ(piece("Image_zhujiemian_6"), QRect(w - 36 - 28 - 29 - 34, 0, 34, 49));
        EXPECT_EQ(piece("Image_zhujiemian_2"), QRect(330, 0, w - 127 - 330, 49));
        EXPECT_EQ(piece("Image_zhujiemian_zuixiamian1_load"), QRect(0, main.height() - 18, w, 18));
        EXPECT_EQ(piece("Label_guanbi"), QRect(w - 35, 0, 32, 49));
        EXPECT_EQ(piece("Label_quanping"), QRect(w - 63, 0, 28, 49));
        EXPECT_EQ(piece("Label_huanyuan"), QRect(w - 93, 0, 30, 49));

        // Every window shows the main window's background except the settings window.
        const QImage shared = BackgroundPicture(&main)->pixmap().toImage();
        for (Window* window : Windows::all()) {
            QLabel* background = BackgroundPicture(window);
            ASSERT_TRUE(background) << window->name().toStdString();
            EXPECT_EQ(background->geometry(), window->rect()) << window->name().toStdString();
            if (window->name() == "Form18")
                EXPECT_TRUE(background->pixmap().isNull());
            else
                EXPECT_EQ(background->pixmap().toImage(), shared) << window->name().toStdString();
        }
        // The small windows' caption pieces are cut.
        EXPECT_EQ(CurrentSmallCaptionPieces().right[0].size(), QSize(42, 37));
        EXPECT_EQ(CurrentSmallCaptionPieces().bottom.size(), QSize(50, 6));

        main.freeStartupAnimation();
        EXPECT_FALSE(main.findChild<FlashPlayer*>("ShockwaveFlash_2_qi_dong_dong_hua"));
        EXPECT_EQ(main.field("Edit_ShockwaveFlash_qi_dong_dong_hua"), "1");
        main.freeStartupAnimation();  // a second run has nothing more to do
    });
}

TEST_F(Startup, TheWindowsExistOnceInTheirOrderWithTheirCaptions) {
    program_ = std::make_unique<Program>();
    QStringList names, captions;
    for (Window* w : Windows::all()) {
        names.append(w->name());
        captions.append(w->windowTitle());
    }
    EXPECT_EQ(names, QStringList({"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7",
                                  "Form8", "Form9", "Form12", "Form13", "Form14", "MainForm",
                                  "Form15", "Form16", "Form17", "Form18", "Form19", "Form20",
                                  "Form21", "Form22", "Form23", "Form24", "Form25", "Form41"}));
    EXPECT_EQ(captions, QStringList({"Lumora", "Lumora", "添加照片", "添加音乐", "添加歌词",
                                     "画面质量", "同步效果", "模板管理", "照片剪裁", "配置文件", "",
                                     "提示", "Lumora", "音乐歌词预览", "", "", "系统设置",
                                     "预览模板", "预览此张照片所使用的模板效果", "背景图片",
                                     "插入视频", "歌词设置", "选择相册类型", "制作相册",
                                     "模板选项：自动为添加的照片分配模板方式"}));
}

// Each broken library ends the program during start-up, silently.
TEST_F(Startup, AFailedDataCheckEndsTheProgramWithoutAMessage) {
    struct Case {
        const char* what;
        std::function<void(ProgramFixture&)> make;
    } cases[] = {
        {"no library", [](ProgramFixture& f) { f.addStartupArchive(); }},
        {"no movie containers",
         [](ProgramFixture& f) {
             f.addLibrary(2);
             QDir(f.file("lumdata/wj_0_or_2/wjj_02")).removeRecursively();
         }},
        {"a 0-byte parameter container",
         [](ProgramFixture& f) {
             f.addLibrary(2);
             f.writeFile("lumdata/wj_0_or_2/wjj_01/mb02.rar", "");
         }},
        {"a wrong library marker",
         [](ProgramFixture& f) {
             f.addLibrary(1);
             f.addTemplate("mb02.rar", {"坏", "|heng|", "|a_1|", 50, "l_u_m_r_s_y"});
         }},
        {"a start-up archive of another size",
         [](ProgramFixture& f) {
             f.addLibrary(1);
             f.addStartupArchive("k_r_d_p_w_e_o_t_g_r_w_u_i", 29953);
         }},
        {"no start-up archive",
         [](ProgramFixture& f) {
             f.addLibrary(1);
             QFile::remove(f.file("lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar"));
         }},
        {"a start-up movie with another marker",
         [](ProgramFixture& f) {
             f.addLibrary(1);
             f.addStartupArchive("other");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        freshStart();
        c.make(*this);
        // The main window may be about to open when a check of its opening fails; it never
        // opens on a program that lives on.
        bool openOnALiveProgram = false;
        run([&](Form2&) { openOnALiveProgram = !Program::ended(); });
        EXPECT_TRUE(Program::ended());
        EXPECT_FALSE(openOnALiveProgram);
        EXPECT_TRUE(messages_.isEmpty());
        EXPECT_FALSE(desktop_->modalsShown().contains("Form16"));
    }
}

TEST_F(Startup, AContainerThatDoesNotInflateIsReportedAndLeftOut) {
    addLibrary(3);
    QByteArray broken = WrapLayers("x", 20);
    broken[10] = char(broken[10] ^ 0x55);
    const QString path = writeFile("lumdata/wj_0_or_2/wjj_01/mb02.rar", broken);
    // A parameter container without a partner in the movie half is left out as well.
    addTemplate("mb04.rar", {"无伴"});
    QFile::remove(file("lumdata/wj_0_or_2/wjj_02/mb04.rar"));
    run([&](Form2& main) {
        EXPECT_EQ(Column(*main.ListView_mobancanshu, ParameterTable::Col::Name),
                  QStringList({"模板1", "模板3"}));
        // The index is the row, and the movie stays the partner of its own container.
        EXPECT_EQ(Column(*main.ListView_mobancanshu, ParameterTable::Col::Index),
                  QStringList({"0", "1"}));
        EXPECT_TRUE(ParameterTable::MoviePath(*main.ListView_mobancanshu, 1).endsWith("mb03.rar"));
        EXPECT_EQ(Windows::get<Form8>()->ListView_moban->rowCount(), 2);
    });
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].contains(QDir::toNativeSeparators(path))) << messages_[0].toStdString();
}
