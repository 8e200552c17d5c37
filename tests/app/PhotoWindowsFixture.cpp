#include "tests/app/PhotoWindowsFixture.h"

#include <QDir>
#include <QLineEdit>

#include "app/Form17.h"
#include "app/Form3.h"
#include "platform/TextTable.h"
#include "tests/support/TestLibrary.h"

void PhotoWindows::buildTestLibrary() {
    const TestLibrary library = BuildTestLibrary(folder_->path());
    ASSERT_TRUE(library.ok) << library.error.toStdString();
}

QString PhotoWindows::photo(const QString& name, QSize upright, int orientation) {
    QDir().mkpath(file("photos"));
    TestJpegOptions options;
    options.orientation = orientation;
    return WriteTestJpeg(file("photos/" + name), upright, options);
}

void PhotoWindows::addPhotos(const QStringList& files) {
    desktop_->queueFiles(files);
    Windows::get<Form3>()->Button2Click();
}

void PhotoWindows::answerNextQuestionOk() {
    desktop_->queueModalAction("Form17", [this](Window& w) {
        questions_.append(static_cast<Form17&>(w).message());
        static_cast<Form17&>(w).Button1Click();
    });
}

TextTable& PhotoWindows::table(const char* window, const char* name) {
    TextTable* found = Windows::find(window)->table(name);
    EXPECT_NE(found, nullptr) << window << "." << name;
    static TextTable none;
    return found ? *found : none;
}

void PhotoWindows::expectDetailsShown(const Window& window, const QWidget* picture) {
    const QRect pictureArea(picture->mapTo(&window, QPoint(0, 0)), picture->size());
    for (const char* name : {"Edit_xuhao", "Edit_mingcheng", "Edit_geshi", "Edit_kuandu", "Edit_gaodu", "Edit_weizhi"}) {
        const auto* edit = window.findChild<QLineEdit*>(name);
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_TRUE(edit->isVisibleTo(&window)) << name;
        EXPECT_TRUE(edit->isReadOnly()) << name;
        EXPECT_EQ(edit->text(), window.field(name)) << name;
        const QRect area(edit->mapTo(&window, QPoint(0, 0)), edit->size());
        EXPECT_TRUE(window.rect().contains(area)) << name;
        EXPECT_FALSE(area.intersects(pictureArea)) << name;
    }
}
