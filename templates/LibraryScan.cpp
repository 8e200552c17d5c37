#include "templates/LibraryScan.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

bool IsContainerFileName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0) return false;
    const QStringView extension = QStringView(fileName).mid(dot);
    return extension == u".rar" || extension == u".RAR";
}

namespace {
void Walk(const QString& folder, QStringList& found) {
    QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
        QDir::Unsorted);
    // Name order, so the two library halves pair up the same way on every machine.
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.fileName() < b.fileName();
    });
    for (const QFileInfo& entry : entries) {
        const QString path = folder + "/" + entry.fileName();
        if (entry.isDir() && !entry.isSymLink())
            Walk(path, found);
        else if (entry.isFile() && IsContainerFileName(entry.fileName()))
            found.append(QDir::toNativeSeparators(path));
    }
}
}  // namespace

QStringList ScanContainerFiles(const QString& folder) {
    QStringList found;
    Walk(QDir::fromNativeSeparators(folder), found);
    return found;
}
