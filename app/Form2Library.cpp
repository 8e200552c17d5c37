// Form2's loading chain and library commands: scan, read, classify, count, list.

#include <QDir>
#include <QFile>
#include <QProgressBar>

#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Messages.h"
#include "app/Program.h"
#include "platform/FolderWipe.h"
#include "platform/Events.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "templates/Classification.h"
#include "templates/Container.h"
#include "templates/Form8.h"
#include "templates/LibraryFolders.h"
#include "templates/LibraryScan.h"
#include "templates/ParameterFile.h"
#include "templates/TemplateTables.h"

namespace {
constexpr int kTemplateLayers = 20;
// How long the chain waits for the working folder to vanish or to appear.
constexpr int kFolderWaitMs = 10000;

QStringList Lines(const TextTable& list) {
    QStringList lines;
    for (int row = 0; row < list.rowCount(); ++row) lines.append(list.cell(row, 0));
    return lines;
}

void SetLines(TextTable& list, const QStringList& lines) {
    list.clear();
    for (const QString& line : lines) list.addRow({line});
}
}  // namespace

void Form2::Timer_jiazaiTimer() {
    Timer_jiazai->setEnabled(false);
    if (Program::ended()) return;
    const QString work = Folders::TemplateWork();
    WipeFolder(work);
    waitUntil([&work] { return !QDir(work).exists(); }, kFolderWaitMs);
    for (void (Form2::*command)() : {&Form2::Button29Click, &Form2::Button30Click,
                                     &Form2::Button31Click, &Form2::Button32Click,
                                     &Form2::Button53Click}) {
        (this->*command)();
        if (Program::ended()) return;
    }
    Windows::get<Form1>()->hide();
    showModal();
}

void Form2::Button29Click() {
    const QString work = Folders::TemplateWork();
    WipeFolder(work);
    const bool made = waitUntil([&work] { return QDir().mkpath(work) && QDir(work).exists(); },
                                kFolderWaitMs);
    if (!made) {
        ShowMessage("无法创建模板工作文件夹：" + QDir::toNativeSeparators(work));
        Program::end();
        return;
    }
    SetLines(*ListBox_saomiaomobanwenjian_ini, ScanContainerFiles(Folders::ParameterLibrary()));
    SetLines(*ListBox_saomiaomobanwenjian_swf, ScanContainerFiles(Folders::MovieLibrary()));
    if (ListBox_saomiaomobanwenjian_ini->rowCount() == 0 ||
        ListBox_saomiaomobanwenjian_swf->rowCount() == 0)
        Program::end();
}

void Form2::Button30Click() {
    QProgressBar* bar = Windows::get<Form1>()->progressBar();
    const int count = ListBox_saomiaomobanwenjian_ini->rowCount();
    bar->setRange(0, count);
    bar->setValue(0);
    ListView_mobancanshu->clear();
    for (int i = 0; i < count && !Program::ended(); ++i) {
        processPendingEvents();
        bar->setValue(bar->value() + 1);
        readTemplate(i);
    }
}

// Reads parameter container i into the parameter table. A container without a partner in
// the movie half, or one that does not unwrap (reported in the message window), is left
// out; a file without the library marker ends the program. The template index is the row
// the template gets, so that every table may use a template's index as its row.
void Form2::readTemplate(int i) {
    const QStringList movies = Lines(*ListBox_saomiaomobanwenjian_swf);
    if (i >= movies.size()) return;
    const QString work = Folders::TemplateWork();
    const QString prefix = work + "/wjj_00_j_y" + QString::number(i + 1);
    const QString ini = prefix + ".ini";
    const ContainerResult unwrapped = UnwrapContainer(
        ListBox_saomiaomobanwenjian_ini->cell(i, 0), kTemplateLayers,
        [&prefix](int pass) { return prefix + "-" + QString::number(pass) + TimeOfDayDigits() + ".rar"; },
        ini);
    if (!unwrapped) {
        QFile::remove(ini);
        ShowMessage("模板参数文件无法读取，已跳过此模板：\n" + unwrapped.error);
        return;
    }
    if (!QFile::exists(ini)) return;
    const ParameterFile file = ReadParameterFile(ini);
    QFile::remove(ini);
    if (!file.hasLibraryMarker()) {
        Program::end();
        return;
    }
    ListView_mobancanshu->addRow(ParameterRow(file, movies[i], ListView_mobancanshu->rowCount()));
}

void Form2::Button31Click() {
    ClassifyTemplates(*ListView_mobancanshu, *ListView_hengzhaopian, *ListView_shuzhaopian,
                      *ListView_gaojimoban);
}

void Form2::Button32Click() {
    CountClassPhotos(*ListView_hengzhaopian, ClassTableKind::Horizontal);
    CountClassPhotos(*ListView_shuzhaopian, ClassTableKind::Vertical);
    CountClassPhotos(*ListView_gaojimoban, ClassTableKind::Advanced);
}

void Form2::Button53Click() {
    Form8* manager = Windows::get<Form8>();
    FillTemplateList(*ListView_hengzhaopian, *ListView_shuzhaopian, *ListView_gaojimoban,
                     *manager->ListView_moban);
    manager->clearDetailFields();
}
