#include "tests/app/ProgramFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "app/Form1.h"
#include "app/Form14.h"
#include "app/Form16.h"
#include "app/Form2.h"
#include "platform/Events.h"
#include "platform/GbkText.h"
#include "templates/Container.h"
#include "templates/LibraryFolders.h"
#include "tools/moviekit/Movie.h"

namespace {
QByteArray ParameterIni(const TemplateFacts& facts) {
    const QString text = QString(
        "[l_x_l_u_m_r_w_j_s_y]\r\nl_x_l_u_m_r_w_j_s_y=%1\r\nl_x_l_u_m_r_w_j_s_y_m_c=%2\r\n"
        "[1]\r\nmblx=单张\r\nmbfl=测试\r\nxpsl=1\r\nxpkd=|800|\r\nxpgd=|450|\r\nszhz=%3\r\n"
        "xpjpgmc=%4\r\nmbdx=%5\r\n[0]\r\nsl=1\r\n")
        .arg(facts.marker, facts.name, facts.orientations, facts.pictureNames).arg(facts.frames);
    return EncodeGbk(text);
}

QByteArray TinyMovie(int frames, int width, int height, const QString& variable, const QString& value) {
    moviekit::Movie movie(frames, width, height);
    movie.setVariable(variable, value);
    movie.addSolidLayer(QColor(40, 80, 120), width, height, 0, frames);
    return movie.toBytes();
}
}  // namespace

void ProgramFixture::SetUp() {
    folder_ = std::make_unique<TempDir>();
    messages_.clear();
    SetProgramFolder(folder_->path());
    QDir().mkpath(folder_->file("lock"));
    Program::setLockFolder(folder_->file("lock"));
    auto desktop = std::make_unique<ScriptedDesktop>();
    desktop->setModalTimeLimit(20000);
    desktop_ = desktop.get();
    previousDesktop_ = Desktop::install(std::move(desktop));
}

void ProgramFixture::TearDown() {
    program_.reset();
    Desktop::install(std::move(previousDesktop_));
    SetProgramFolder(QString());
    Program::setLockFolder(QString());
    folder_.reset();
}

void ProgramFixture::freshStart() {
    TearDown();
    SetUp();
}

QString ProgramFixture::writeFile(const QString& relative, const QByteArray& bytes) {
    return folder_->write(relative, bytes);
}

void ProgramFixture::addTemplate(const QString& file, const TemplateFacts& facts) {
    writeFile("lumdata/wj_0_or_2/wjj_01/" + file, WrapLayers(ParameterIni(facts), 20));
    writeFile("lumdata/wj_0_or_2/wjj_02/" + file,
              WrapLayers(TinyMovie(facts.frames, 1920, 1080, "k_r_d_o_k_p_w_r_w",
                                   "k_r_d_a_b_p_w_e_o_o_kr_w_u_i"),
                         20));
}

void ProgramFixture::addStartupArchive(const QString& marker, qint64 size) {
    QByteArray archive = WrapLayers(TinyMovie(25, 800, 450, "k_r_d_p_w_t_g_r_w", marker), 13);
    ASSERT_LE(archive.size(), size);
    archive.append(QByteArray(size - archive.size(), '\0'));
    writeFile("lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar", archive);
}

void ProgramFixture::addLibrary(int count) {
    addStartupArchive();
    for (int i = 1; i <= count; ++i)
        addTemplate(QString("mb%1.rar").arg(i, 2, 10, QChar('0')), {QString("模板%1").arg(i)});
}

void ProgramFixture::run(const std::function<void(Form2&)>& insideMain) {
    program_ = std::make_unique<Program>();
    queueMessageAnswers(20);
    desktop_->queueModalAction("Form2", [this, insideMain](Window& w) {
        if (insideMain) insideMain(static_cast<Form2&>(w));
        if (!Program::ended() && w.isVisible()) exitWithOk();
    });
    program_->start();
    if (!Program::ended()) Windows::get<Form1>()->Timer1Timer();
    waitUntil([] { return Program::ended(); }, 30000);
    if (!Program::ended()) Program::end();
    processPendingEvents();
}

void ProgramFixture::queueMessageAnswers(int count) {
    for (int n = 0; n < count; ++n) {
        desktop_->queueModalAction("Form14", [this](Window& w) {
            messages_.append(static_cast<Form14&>(w).message());
            static_cast<Form14&>(w).Button1Click();
        });
    }
}

void ProgramFixture::exitWithOk() {
    desktop_->queueModalAction("Form16", [](Window& w) { static_cast<Form16&>(w).Button1Click(); });
    Windows::get<Form2>()->Button3Click();
}

QStringList ProgramFixture::filesBelow(const QString& relative) const {
    QStringList files;
    QDirIterator it(folder_->file(relative), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files.append(QFileInfo(it.next()).fileName());
    files.sort();
    return files;
}

bool ProgramFixture::exists(const QString& relative) const {
    return QFileInfo::exists(folder_->file(relative));
}
