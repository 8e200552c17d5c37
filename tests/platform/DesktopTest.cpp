#include "platform/Desktop.h"

#include <QApplication>
#include <gtest/gtest.h>

#include "platform/Window.h"

namespace {

// Installs a scripted desktop for one test and puts the previous one back afterwards.
class ScriptedDesktopTest : public ::testing::Test {
protected:
    ScriptedDesktopTest() {
        auto scripted = std::make_unique<ScriptedDesktop>();
        desktop = scripted.get();
        previous_ = Desktop::install(std::move(scripted));
    }
    ~ScriptedDesktopTest() override { Desktop::install(std::move(previous_)); }

    ScriptedDesktop* desktop;

private:
    std::unique_ptr<Desktop> previous_;
};

TEST_F(ScriptedDesktopTest, AnswersDialogsFromTheQueueAndCancelsWhenItIsEmpty) {
    desktop->queueFiles({"/p/a.jpg", "/p/b.jpg"});
    desktop->queueFiles({"/p/c.mp3", "/p/d.mp3"});
    desktop->queueFolder("/save");
    Desktop& d = Desktop::current();
    EXPECT_EQ(d.chooseFiles(nullptr, "t", "", "", true), QStringList({"/p/a.jpg", "/p/b.jpg"}));
    EXPECT_EQ(d.chooseFiles(nullptr, "t", "", "", false), QStringList({"/p/c.mp3"}));  // one only
    EXPECT_EQ(d.chooseFiles(nullptr, "t", "", "", true), QStringList());
    EXPECT_EQ(d.chooseFolder(nullptr, "t"), "/save");
    EXPECT_EQ(d.chooseFolder(nullptr, "t"), "");
    EXPECT_TRUE(d.openExternal("/save"));
    EXPECT_EQ(desktop->openedExternally(), QStringList({"/save"}));
}

TEST_F(ScriptedDesktopTest, TheModalActionRunsInsideTheModalLoop) {
    Window form("Form16", "exit");
    Window message("Form14", "message");
    bool wasModal = false, innerRan = false;
    desktop->queueModalAction("Form14", [&](Window& w) {
        innerRan = QApplication::activeModalWidget() == &w;
        w.accept();
    });
    desktop->queueModalAction("Form16", [&](Window& w) {
        wasModal = w.isVisible() && QApplication::activeModalWidget() == &w;
        message.showModal();  // a window shown from inside another, as commands do
        w.accept();
    });
    EXPECT_EQ(form.showModal(), QDialog::Accepted);
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(innerRan);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(desktop->modalsShown(), QStringList({"Form16", "Form14"}));
    EXPECT_TRUE(desktop->modalsTimedOut().isEmpty());
}

TEST_F(ScriptedDesktopTest, AModalWindowLeftOpenIsClosedAtTheTimeLimit) {
    Window form("Form13", "progress");
    desktop->setModalTimeLimit(50);
    desktop->queueModalAction("Form99", [](Window& w) { w.accept(); });  // for another window
    EXPECT_EQ(form.showModal(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(desktop->modalsTimedOut(), QStringList({"Form13"}));

    // The action queued for Form99 is still waiting for it.
    Window other("Form99", "other");
    EXPECT_EQ(other.showModal(), QDialog::Accepted);
    EXPECT_EQ(desktop->modalsTimedOut(), QStringList({"Form13"}));
}

}  // namespace
