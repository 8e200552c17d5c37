#include "tests/app/PhotoWindowsFixture.h"

#include <QDir>

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
