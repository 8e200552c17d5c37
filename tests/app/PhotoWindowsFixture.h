#pragma once
// The photo windows over the test library: the real program with the scripted desktop,
// photos written by the test tools, and the commands run as a person would.

#include <QSize>
#include <QStringList>

#include "tests/app/ProgramFixture.h"
#include "tests/support/TestJpeg.h"

class TextTable;

class PhotoWindows : public ProgramFixture {
public:
    // The sound test library (tests/support/TestLibrary.h).
    void buildTestLibrary();
    // A test photo of upright size `upright` stored with `orientation` (0: no EXIF block).
    QString photo(const QString& name, QSize upright, int orientation = 0);
    // Adds `files` through Form3's 添加照片 (the add job on Form13, then matching).
    void addPhotos(const QStringList& files);
    // Answers the next question OK and records its text in questions_.
    void answerNextQuestionOk();

    static TextTable& table(const char* window, const char* name);
    // The six detail fields of a photo window (Edit_xuhao ... Edit_weizhi) are shown
    // read-only inside the window, clear of `picture`, each showing its hidden field.
    static void expectDetailsShown(const Window& window, const QWidget* picture);

    QStringList questions_;
};
