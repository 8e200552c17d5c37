#pragma once
// A program folder with a small library, and the running program over it, for the window
// tests: the real windows, commands and timers under the offscreen platform and the
// scripted desktop.
//
// STAND-IN library builder until tests/support/TestLibrary.h lands: templates, the
// start-up archive and the damaged cases the start-up tests need.

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/Program.h"
#include "platform/Desktop.h"
#include "tests/support/TempDir.h"

class Form2;

struct TemplateFacts {
    QString name;
    QString orientations = "|heng|";
    QString pictureNames = "|photo_1|";
    int frames = 50;
    QString marker = "l_u_m_r_s_y_l_x";
};

class ProgramFixture : public testing::Test {
public:
    void SetUp() override;
    void TearDown() override;
    // Starts over with an empty program folder and a new scripted desktop.
    void freshStart();

    // Adds a template: a parameter container `file` under wjj_01 and a movie container of
    // the same name under wjj_02 (`file` may name sub-folders).
    void addTemplate(const QString& file, const TemplateFacts& facts);
    // Writes raw bytes below the program folder.
    QString writeFile(const QString& relative, const QByteArray& bytes);
    // The start-up archive: 13 layers padded to 29954 bytes, with this marker value.
    void addStartupArchive(const QString& marker = "k_r_d_p_w_e_o_t_g_r_w_u_i", qint64 size = 29954);
    // A library of the start-up archive and `count` horizontal templates.
    void addLibrary(int count);

    // Creates the program and starts it; runs the loading chain at once (as Timer1 would a
    // second later). `insideMain` runs inside the main window once it is open; the program
    // then ends through the exit command unless `insideMain` ended it or left it open on
    // purpose (it is ended in any case when this returns).
    void run(const std::function<void(Form2&)>& insideMain = {});
    // Queues `count` more closings of the message box, each recording its text in
    // messages_ (run() queues 20).
    void queueMessageAnswers(int count);
    // Ends the running program through the exit command, answering OK.
    void exitWithOk();

    // Files (not folders) below `relative`, at any depth.
    QStringList filesBelow(const QString& relative) const;
    bool exists(const QString& relative) const;

    QString file(const QString& relative) const { return folder_->file(relative); }

    std::unique_ptr<TempDir> folder_;
    ScriptedDesktop* desktop_ = nullptr;
    std::unique_ptr<Desktop> previousDesktop_;
    std::unique_ptr<Program> program_;
    QStringList messages_;  // texts the message box showed, in order
};
