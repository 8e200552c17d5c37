// The message box, the question box, the insert-video window and the small windows'
// caption bar.

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "app/AllWindows.h"
#include "app/Messages.h"
#include "app/Program.h"
#include "platform/CaptionBar.h"
#include "tests/app/ProgramFixture.h"

namespace {
void SendMouse(QWidget* widget, QEvent::Type type) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}
void ClickCloseLabel(Window& w) {
    QWidget* close = w.findChild<QWidget*>("Label_guanbi");
    SendMouse(close, QEvent::MouseButtonPress);
    SendMouse(close, QEvent::MouseButtonRelease);
}
}  // namespace

class MessageWindows : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        program_ = std::make_unique<Program>();
        Windows::get<Form2>()->Button5Click();  // the caption pieces, as the opening cuts them
    }
};

TEST_F(MessageWindows, TheWindowsHaveTheirSizesAndCaptions) {
    struct Case {
        const char* name;
        QSize size;
        const char* caption;
    } cases[] = {{"Form14", {584, 171}, "提示"},
                 {"Form16", {713, 232}, ""},
                 {"Form17", {806, 233}, ""},
                 {"Form22", {668, 472}, "插入视频"}};
    for (const Case& c : cases) {
        Window* w = Windows::find(c.name);
        ASSERT_TRUE(w);
        EXPECT_EQ(w->size(), c.size) << c.name;
        EXPECT_EQ(w->windowTitle(), c.caption) << c.name;
    }
}

TEST_F(MessageWindows, TheMessageBoxShowsTheTextOnOneLineAndItsCloseLabelActsLikeOk) {
    const QString longText = QString("很长的消息").repeated(40);
    int result = -1;
    QLabel* label = nullptr;
    desktop_->queueModalAction("Form14", [&](Window& w) {
        label = w.findChild<QLabel*>("Label_xianshi_xiaoxi");
        EXPECT_EQ(label->text(), longText);
        EXPECT_FALSE(label->wordWrap());
        EXPECT_LE(label->width(), w.width());
        ClickCloseLabel(w);
    });
    ShowMessage(longText);
    result = Windows::get<Form14>()->result();
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty());
}

TEST_F(MessageWindows, TheQuestionBoxAnswersYesOnlyForOk) {
    struct Case {
        const char* what;
        std::function<void(Window&)> act;
        bool answer;
    } cases[] = {
        {"OK", [](Window& w) { w.findChild<QPushButton*>("Button3")->click(); }, true},
        {"Cancel", [](Window& w) { w.findChild<QPushButton*>("Button4")->click(); }, false},
        {"close label", ClickCloseLabel, false},
        {"hidden OK twin", [](Window& w) { w.findChild<QPushButton*>("Button1")->click(); }, true},
    };
    for (const Case& c : cases) {
        // A "yes" left from an earlier question never counts for the next one.
        Windows::get<Form17>()->setField("Edit_caozuo", "yes");
        QString caption;
        desktop_->queueModalAction("Form17", [&](Window& w) {
            caption = w.findChild<QLabel*>("Label_xianshi_chuangkou_biaoti")->text();
            c.act(w);
        });
        EXPECT_EQ(AskQuestion("删除照片", "是否删除?"), c.answer) << c.what;
        EXPECT_EQ(caption, "删除照片") << c.what;
        EXPECT_EQ(Windows::get<Form17>()->field("Edit_caozuo"), c.answer ? "yes" : "") << c.what;
    }
    EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty());
}

TEST_F(MessageWindows, TheInsertVideoWindowClosesByItsCloseLabel) {
    Window* w = Windows::get<Form22>();
    desktop_->queueModalAction("Form22", ClickCloseLabel);
    EXPECT_EQ(w->showModal(), QDialog::Rejected);
    EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty());
}

TEST_F(MessageWindows, TheSmallCaptionIsLaidOutAndItsCloseLabelShowsThreeStates) {
    const SmallCaptionPieces& pieces = CurrentSmallCaptionPieces();
    desktop_->queueModalAction("Form17", [&](Window& w) {
        auto geometry = [&](const char* name) { return w.findChild<QWidget*>(name)->geometry(); };
        const int width = w.width();
        EXPECT_EQ(geometry("Image_zhujiemian_1"), QRect(0, 0, 170, 37));
        EXPECT_EQ(geometry("Image_zhujiemian_3"), QRect(width - 36, 0, 42, 37));
        EXPECT_EQ(geometry("Image_zhujiemian_2"), QRect(170, 0, width - 36 - 170, 37));
        EXPECT_EQ(geometry("Image_zuixiamian"), QRect(0, w.height() - 6, width, 6));
        EXPECT_EQ(geometry("Label_guanbi"), geometry("Image_zhujiemian_3"));
        EXPECT_EQ(geometry("Label_xianshi_chuangkou_biaoti").topLeft(), QPoint(10, 10));

        auto* picture = w.findChild<QLabel*>("Image_zhujiemian_3");
        QWidget* close = w.findChild<QWidget*>("Label_guanbi");
        auto shows = [&](int state) {
            return picture->pixmap().toImage() == pieces.right[state].toImage();
        };
        EXPECT_TRUE(shows(0));
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QCoreApplication::sendEvent(close, &enter);
        EXPECT_TRUE(shows(1));
        SendMouse(close, QEvent::MouseButtonPress);
        EXPECT_TRUE(shows(2));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(close, &leave);
        EXPECT_TRUE(shows(0));
        w.findChild<QPushButton*>("Button4")->click();
    });
    AskQuestion("标题", "问题");
    // The pieces of the three states differ, so the states can be told apart.
    EXPECT_NE(pieces.right[0].toImage(), pieces.right[1].toImage());
    EXPECT_NE(pieces.right[1].toImage(), pieces.right[2].toImage());
}
