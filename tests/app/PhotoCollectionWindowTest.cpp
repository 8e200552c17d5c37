// Form3 and the jobs of Form13: adding photos, showing, deleting, 自动套版.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include "app/Form13.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "photos/Matching.h"
#include "photos/PhotoCollection.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/Events.h"
#include "platform/TextTable.h"
#include "tests/app/PhotoWindowsFixture.h"

namespace {

QStringList Column(const TextTable& table, int column) {
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row) cells.append(table.cell(row, column));
    return cells;
}

TEST_F(PhotoWindows, AddingKeepsEveryReadablePhotoUprightAndNamesTheSkippedFilesOnce) {
    buildTestLibrary();
    const QStringList files = {
        photo("wide.jpg", {1600, 1200}),
        photo("turned.jpg", {3000, 4000}, 6),  // stored 4000 x 3000, shown upright
        WriteNotAJpeg(file("photos/notes.jpg")),
        photo("square.JPG", {1000, 1000}),
        WriteTruncatedJpeg(file("photos/cut.jpg")),
        photo("tall.jpg", {900, 1600}),
        photo("back\\slash.jpg", {1200, 900}),  // "\" is an ordinary character of a name
    };
    run([&](Form2& main) {
        desktop_->queueModalAction("Form3", [&](Window& w) {
            addPhotos(files);
            w.accept();
        });
        main.runCommand("Button6Click");

        const TextTable& photos = table("Form3", "ListView_daoru_zhaopian");
        EXPECT_EQ(Column(photos, PhotoColumn::kName), QStringList({"wide", "turned", "square", "tall", "back\\slash"}));
        EXPECT_EQ(Column(photos, PhotoColumn::kCaption), QStringList({"1", "2", "3", "4", "5"}));
        EXPECT_EQ(photos.row(1), QStringList({"2", "turned", ".jpg", "3000", "4000", files[1], "完成"}));
        EXPECT_EQ(PhotoFormat(photos, 2), ".JPG");
        EXPECT_EQ(Column(photos, PhotoColumn::kPlaced), QStringList(5, "完成"));
        // Square and wide photos are the horizontal ones.
        EXPECT_EQ(Column(table("Form8", "ListView_qubu_hengzhao"), HorizontalPhotoColumn::kPhotoRow),
                  QStringList({"0", "2", "4"}));

        const TextTable& used = table("Form8", "ListView_moban_shiyong");
        ASSERT_GT(used.rowCount(), 0);
        EXPECT_EQ(Column(used, UsedTemplateColumn::kMatched), QStringList(used.rowCount(), "已完成"));
        EXPECT_EQ(table("Form21", "ListView_moban_beijing").rowCount(), used.rowCount());

        ASSERT_EQ(messages_.size(), 1) << messages_.join("\n").toStdString();
        EXPECT_EQ(messages_[0], SkippedPhotosMessage({files[2], files[4]}));

        // The add command ends with the first page of photos in the main window's cells.
        const QLabel* first = main.findChild<QLabel*>("Image1");
        ASSERT_NE(first, nullptr);
        EXPECT_FALSE(first->pixmap().isNull());
        EXPECT_TRUE(first->toolTip().endsWith("第1张, 照片名称: wide")) << first->toolTip().toStdString();
        EXPECT_TRUE(main.findChild<QLabel*>("Image6")->pixmap().isNull());
        EXPECT_EQ(main.field("FirstPageLoadWord"), "jieshu");
        EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty()) << desktop_->modalsTimedOut().join(" ").toStdString();
    });
}

TEST_F(PhotoWindows, ASquarePhotoIsShownWidthFirstInItsFrame) {
    buildTestLibrary();
    const QStringList files = {photo("square.jpg", {1000, 1000}), photo("wide.jpg", {1600, 900})};
    run([&](Form2&) {
        addPhotos(files);
        Form3* form3 = Windows::get<Form3>();
        const QLabel* preview = form3->findChild<QLabel*>("Image_xianshizhaopian");
        const QSize panel = form3->findChild<QWidget*>("ScrollBox_xianshizhaopianshi")->size() - QSize(6, 6);
        struct Case {
            int row;
            QSize picture;
        };
        const int squareSide = qMin(panel.width(), panel.height());
        const Case cases[] = {
            {0, {squareSide, squareSide}},
            {1, {panel.width(), 900 * panel.width() / 1600}},
        };
        for (const Case& c : cases) {
            form3->selectPhotoRow(c.row);
            form3->ListView_daoru_zhaopianClick();
            EXPECT_EQ(preview->pixmap().size(), c.picture + QSize(6, 6)) << c.row;
            EXPECT_EQ(form3->field("Edit_mingcheng"), PhotoName(*form3->ListView_daoru_zhaopian, c.row));
            expectDetailsShown(*form3, form3->findChild<QWidget*>("ScrollBox_xianshizhaopianshi"));
            EXPECT_EQ(preview->toolTip(), "第" + QString::number(c.row + 1) + "张, 照片名称: " +
                                              PhotoName(*form3->ListView_daoru_zhaopian, c.row));
        }
        // With no row selected the preview and the details are empty.
        form3->selectPhotoRow(-1);
        form3->ListView_daoru_zhaopianClick();
        EXPECT_TRUE(preview->pixmap().isNull());
        EXPECT_EQ(form3->field("Edit_weizhi"), "");
        expectDetailsShown(*form3, form3->findChild<QWidget*>("ScrollBox_xianshizhaopianshi"));
    });
}

// Every column of the photo table, 位置 and 套版 included, is in view without a scroll, and
// the visible buttons carry their captions.
TEST_F(PhotoWindows, ThePhotoTableFitsItsViewAndTheButtonsReadAsGiven) {
    buildTestLibrary();
    const QStringList files = {photo("一张名字相当长的海边日落照片.jpg", {1600, 900})};
    run([&](Form2& main) {
        desktop_->queueModalAction("Form3", [&](Window& w) {
            addPhotos(files);
            processPendingEvents();
            const auto* view = w.findChild<QTableView*>("ListView_daoru_zhaopian");
            ASSERT_NE(view, nullptr);
            EXPECT_LE(view->horizontalHeader()->length(), view->viewport()->width());
            for (int column = 0; column < view->model()->columnCount(); ++column)
                EXPECT_GT(view->columnWidth(column), 0) << column;
            EXPECT_EQ(w.findChild<QPushButton*>("Button8")->text(), "返    回");
            EXPECT_EQ(w.findChild<QPushButton*>("Button1")->text(), "返   回");
            w.accept();
        });
        main.runCommand("Button6Click");
        EXPECT_EQ(desktop_->modalsShown().count("Form3"), 1);
    });
}

TEST_F(PhotoWindows, DeletingPhotoTwoOfFiveEmptiesItsSlotsAndShiftsTheLaterOnes) {
    buildTestLibrary();
    QStringList files;
    for (int i = 1; i <= 5; ++i) files.append(photo(QString("p%1.jpg").arg(i), {1600, 900}));
    run([&](Form2&) {
        addPhotos(files);
        TextTable& slotRows = table("Form8", "ListView_moban_shiyong_canshu");
        const TextTable& used = table("Form8", "ListView_moban_shiyong");
        ASSERT_EQ(slotRows.rowCount(), 5);
        // Photo row 1 also fills the slot of photo row 0 (as the template manager may do).
        slotRows.setCell(0, SlotColumn::kPhotoRow, "1");
        const QStringList before = Column(slotRows, SlotColumn::kPhotoRow);
        ASSERT_EQ(before, QStringList({"1", "1", "2", "3", "4"}));

        Form3* form3 = Windows::get<Form3>();
        form3->selectPhotoRow(1);
        answerNextQuestionOk();
        form3->Button3Click();

        ASSERT_EQ(questions_.size(), 1);
        EXPECT_EQ(questions_[0], DeletePhotoQuestion(2));
        EXPECT_EQ(messages_.value(messages_.size() - 1), kPhotoDeletedMessage);
        EXPECT_EQ(Column(slotRows, SlotColumn::kPhotoRow), QStringList({"", "", "1", "2", "3"}));
        EXPECT_EQ(slotRows.cell(0, SlotColumn::kMatchState), "");
        EXPECT_EQ(slotRows.cell(1, SlotColumn::kFullWidth), "");
        EXPECT_EQ(Column(used, UsedTemplateColumn::kMatched),
                  QStringList({"未完成", "未完成", "已完成", "已完成", "已完成"}));
        const TextTable& photos = *form3->ListView_daoru_zhaopian;
        EXPECT_EQ(Column(photos, PhotoColumn::kCaption), QStringList({"1", "2", "3", "4"}));
        EXPECT_EQ(Column(photos, PhotoColumn::kName), QStringList({"p1", "p3", "p4", "p5"}));
    });
}

TEST_F(PhotoWindows, DeletingRefusesWithoutPhotosOrSelectionAndDeleteAllClearsTheAlbum) {
    buildTestLibrary();
    const QStringList files = {photo("a.jpg", {1600, 900}), photo("b.jpg", {900, 1600})};
    run([&](Form2&) {
        Form3* form3 = Windows::get<Form3>();
        form3->Button3Click();
        form3->Button4Click();
        EXPECT_EQ(messages_, QStringList({kNoPhotosMessage, kNoPhotosMessage}));

        addPhotos(files);
        messages_.clear();
        form3->selectPhotoRow(-1);
        answerNextQuestionOk();
        form3->Button3Click();
        EXPECT_EQ(messages_, QStringList({kNoPhotoSelectedMessage}));
        EXPECT_EQ(form3->ListView_daoru_zhaopian->rowCount(), 2);

        // Cancelling the question keeps everything.
        desktop_->queueModalAction("Form17", [](Window& w) { w.reject(); });
        form3->Button4Click();
        EXPECT_EQ(form3->ListView_daoru_zhaopian->rowCount(), 2);

        answerNextQuestionOk();
        form3->Button4Click();
        EXPECT_EQ(questions_.value(1), kDeleteAllQuestion);
        EXPECT_EQ(messages_.value(messages_.size() - 1), kAllPhotosDeletedMessage);
        for (const auto& [window, name] : {std::pair{"Form3", "ListView_daoru_zhaopian"},
                                           {"Form8", "ListView_qubu_hengzhao"},
                                           {"Form8", "ListView_moban_shiyong"},
                                           {"Form8", "ListView_moban_shiyong_canshu"},
                                           {"Form21", "ListView_moban_beijing"}})
            EXPECT_EQ(table(window, name).rowCount(), 0) << name;
    });
}

TEST_F(PhotoWindows, AutoMatchingWithNothingWaitingSaysSoWithoutAJob) {
    buildTestLibrary();
    const QStringList files = {photo("a.jpg", {1600, 900})};
    run([&](Form2&) {
        Form3* form3 = Windows::get<Form3>();
        form3->Button10Click();
        addPhotos(files);
        const int jobs = int(desktop_->modalsShown().count("Form13"));
        form3->Button10Click();
        EXPECT_EQ(desktop_->modalsShown().count("Form13"), jobs);
        EXPECT_EQ(messages_, QStringList({kNoPhotosMessage, kMatchingDoneMessage}));
    });
}

// A library of horizontal templates only: vertical photos find no template. The add job
// and 自动套版 each end after the pass that places nothing, with one message.
TEST_F(PhotoWindows, PhotosNoTemplateCanTakeEndTheJobWithOneMessageOfHowMany) {
    addLibrary(1);
    const QStringList files = {photo("wide.jpg", {1600, 900}), photo("tall1.jpg", {900, 1600}),
                               photo("tall2.jpg", {900, 1600})};
    run([&](Form2&) {
        addPhotos(files);
        EXPECT_EQ(messages_, QStringList({UnplacedPhotosMessage(2)}));
        EXPECT_EQ(Windows::get<Form13>()->lastMatching().placed, 1);
        EXPECT_EQ(CountWaitingPhotos(*Windows::get<Form3>()->ListView_daoru_zhaopian), 2);

        messages_.clear();
        Windows::get<Form3>()->Button10Click();
        EXPECT_EQ(messages_, QStringList({UnplacedPhotosMessage(2)}));
        EXPECT_EQ(Windows::get<Form13>()->lastMatching().passes, 1);
    });
}

// The progress window stays open until its job has run, however a person tries to close it
// before the first tick; each job's result is its own.
TEST_F(PhotoWindows, AJobWindowClosedBeforeItsTickStillRunsItsJob) {
    addLibrary(1);
    const QStringList files = {photo("wide.jpg", {1600, 900}), photo("tall.jpg", {900, 1600})};
    const auto closeAtOnce = [](Window& w) {
        QWidget* close = w.findChild<QWidget*>("Label_guanbi");
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(close, &press);
        QCoreApplication::sendEvent(close, &release);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &escape);
        w.close();
        EXPECT_TRUE(w.isVisible());
    };
    run([&](Form2&) {
        desktop_->queueModalAction("Form13", closeAtOnce);
        addPhotos(files);
        const TextTable& photos = *Windows::get<Form3>()->ListView_daoru_zhaopian;
        EXPECT_EQ(Column(photos, PhotoColumn::kName), QStringList({"wide", "tall"}));
        EXPECT_EQ(messages_, QStringList({UnplacedPhotosMessage(1)}));

        // 自动套版 places nothing more; an answer left from the add job (one photo placed)
        // must not stand in for it.
        messages_.clear();
        desktop_->queueModalAction("Form13", closeAtOnce);
        Windows::get<Form3>()->Button10Click();
        EXPECT_EQ(Windows::get<Form13>()->lastMatching().placed, 0);
        EXPECT_EQ(Windows::get<Form13>()->lastMatching().passes, 1);
        EXPECT_EQ(messages_, QStringList({UnplacedPhotosMessage(1)}));
        EXPECT_EQ(desktop_->modalsShown().count("Form13"), 2);
    });
}

}  // namespace
