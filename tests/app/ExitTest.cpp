// The exit command: the confirmation, the wipes with their progress, the end; Cancel.

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

#include "app/AllWindows.h"
#include "app/Program.h"
#include "platform/Events.h"
#include "tests/app/ProgramFixture.h"

using Exit = ProgramFixture;

TEST_F(Exit, OkWipesBothWorkingFoldersWithTheBarOverTheMovieFilesAndEnds) {
    addLibrary(2);
    int barMaximum = -1, barValue = -1;
    QString caption, message;
    run([&](Form2& main) {
        // A preview working folder as a preview leaves it.
        writeFile("lumdata/wj_y_l/wjj_1/wjj_1.rar", "movie");
        writeFile("lumdata/wj_y_l/wjj_1/pic/picture_0.jpg", "picture");
        desktop_->queueModalAction("Form16", [&](Window& w) {
            auto& confirm = static_cast<Form16&>(w);
            caption = confirm.windowTitle();
            message = confirm.message();
            // Before OK the bar is empty: a 0 ... 0 range would be Qt's busy indicator.
            EXPECT_GT(confirm.progressBar()->maximum(), confirm.progressBar()->minimum());
            EXPECT_EQ(confirm.progressBar()->value(), 0);
            confirm.findChild<QPushButton*>("Button3")->click();
            barMaximum = confirm.progressBar()->maximum();
            barValue = confirm.progressBar()->value();
            EXPECT_FALSE(confirm.findChild<QPushButton*>("Button3")->isEnabled());
            EXPECT_FALSE(confirm.findChild<QPushButton*>("Button4")->isEnabled());
            EXPECT_FALSE(confirm.findChild<QWidget*>("Label_guanbi")->isEnabled());
        });
        main.Button3Click();
    });
    EXPECT_TRUE(Program::ended());
    EXPECT_EQ(caption, "退出软件");
    EXPECT_EQ(message, "是否退出软件?");
    EXPECT_EQ(barMaximum, 2 * 19 + 12);
    EXPECT_EQ(barValue, barMaximum);
    EXPECT_FALSE(exists("lumdata/wj_0_or_2/wjj_00_j_y"));
    EXPECT_FALSE(exists("lumdata/wj_y_l"));
    EXPECT_TRUE(exists("lumdata/wj_0_or_2/wjj_01/mb01.rar"));  // the library stays
}

TEST_F(Exit, WithEmptyWorkingFoldersTheBarIsEmptyAndTheProgramEndsAtOnce) {
    addLibrary(1);
    int barMinimum = -1, barMaximum = -1, barValue = -1;
    run([&](Form2& main) {
        QDir(file("lumdata/wj_0_or_2/wjj_00_j_y")).removeRecursively();
        desktop_->queueModalAction("Form16", [&](Window& w) {
            auto& confirm = static_cast<Form16&>(w);
            confirm.Button1Click();
            barMinimum = confirm.progressBar()->minimum();
            barMaximum = confirm.progressBar()->maximum();
            barValue = confirm.progressBar()->value();
        });
        main.Button3Click();
        EXPECT_TRUE(Program::ended());
    });
    // Nothing to count: an empty bar, not Qt's busy indicator.
    EXPECT_GT(barMaximum, barMinimum);
    EXPECT_EQ(barValue, 0);
}

TEST_F(Exit, CancelAndTheCloseLabelChangeNothing) {
    addLibrary(1);
    run([&](Form2& main) {
        const QStringList before = filesBelow("lumdata");
        desktop_->queueModalAction("Form16", [](Window& w) {
            w.findChild<QPushButton*>("Button4")->click();
        });
        main.Button3Click();
        desktop_->queueModalAction("Form16", [](Window& w) {
            QWidget* close = w.findChild<QWidget*>("Label_guanbi");
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(close, &press);
            QCoreApplication::sendEvent(close, &release);
        });
        main.Button3Click();
        EXPECT_EQ(desktop_->modalsShown().count("Form16"), 2);
        EXPECT_FALSE(Program::ended());
        EXPECT_TRUE(main.isVisible());
        EXPECT_EQ(filesBelow("lumdata"), before);
        EXPECT_TRUE(Windows::get<Form16>()->findChild<QPushButton*>("Button3")->isEnabled());
    });
    EXPECT_TRUE(Program::ended());  // through the fixture's own exit afterwards
}

// The window manager closing the main window asks to exit instead of leaving the program
// alive behind a hidden loading window; Esc is no close and does nothing.
TEST_F(Exit, ClosingTheMainWindowRunsTheExitCommandAndEscapeDoesNothing) {
    addLibrary(1);
    run([&](Form2& main) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&main, &escape);
        processPendingEvents();
        EXPECT_TRUE(main.isVisible());
        EXPECT_FALSE(Program::ended());
        EXPECT_FALSE(desktop_->modalsShown().contains("Form16"));

        desktop_->queueModalAction("Form16", [](Window& w) { static_cast<Form16&>(w).Button2Click(); });
        main.close();
        EXPECT_TRUE(main.isVisible());
        EXPECT_EQ(desktop_->modalsShown().count("Form16"), 1);
        desktop_->queueModalAction("Form16", [](Window& w) { static_cast<Form16&>(w).Button1Click(); });
        main.close();
        EXPECT_TRUE(Program::ended());
    });
    EXPECT_FALSE(exists("lumdata/wj_0_or_2/wjj_00_j_y"));
}

TEST_F(Exit, TheMenuItemRunsTheExitCommand) {
    addLibrary(1);
    run([&](Form2& main) {
        desktop_->queueModalAction("Form16", [](Window& w) { static_cast<Form16&>(w).Button1Click(); });
        main.findChild<QAction*>("N19")->trigger();
        EXPECT_TRUE(Program::ended());
    });
}
