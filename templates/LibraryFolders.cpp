#include "templates/LibraryFolders.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& chosenFolder() {
    static QString folder;
    return folder;
}
QString Under(const QString& relative) { return ProgramFolder() + "/" + relative; }
}  // namespace

QString ProgramFolder() {
    if (!chosenFolder().isEmpty()) return chosenFolder();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder) {
    chosenFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

namespace Folders {
QString Data() { return Under("lumdata"); }
QString ParameterLibrary() { return Under("lumdata/wj_0_or_2/wjj_01"); }
QString MovieLibrary() { return Under("lumdata/wj_0_or_2/wjj_02"); }
QString TemplateWork() { return Under("lumdata/wj_0_or_2/wjj_00_j_y"); }
QString StartupArchive() { return Under("lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar"); }
QString ClosingArchive() { return Under("lumdata/wj_0_or_3_3/wj_0_or_3_3_d.rar"); }
QString CombinationLibrary() { return Under("lumdata/wj_0_or_9_9"); }
QString PreviewWork() { return Under("lumdata/wj_y_l"); }
QString TransferWork() { return Under("wj_to_wj"); }
QString InterfacePictures() { return Under("lumdata/jiemian"); }
QString SampleMusic() { return Under("yinyuegeciwenjian"); }
QString SampleSong() { return SampleMusic() + "/春日.mp3"; }
}  // namespace Folders
