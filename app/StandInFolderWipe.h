#pragma once
// STAND-IN, to be removed when platform/FolderWipe.h lands on main: the recursive wipe
// and the file count the start-up and exit need.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <functional>

// Deletes every file of `folder` at any depth, then each emptied folder, then `folder`
// itself; links are deleted, never followed. `onEntry` runs after every deleted entry.
inline int WipeFolder(const QString& folder, const std::function<void()>& onEntry = {}) {
    const QFileInfo root(folder);
    if (!root.exists() || root.isSymLink() || !root.isDir()) return 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            WipeFolder(entry.filePath(), onEntry);
            continue;
        }
        QFile::remove(entry.filePath());
        if (onEntry) onEntry();
    }
    QDir().rmdir(folder);
    if (onEntry) onEntry();
    return 0;
}

// How many files under `folder`, at any depth, end in one of `suffixes` (case as given).
inline int CountFilesWithSuffix(const QString& folder, const QStringList& suffixes) {
    int count = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.nextFileInfo().fileName();
        for (const QString& suffix : suffixes)
            if (name.endsWith(suffix)) {
                ++count;
                break;
            }
    }
    return count;
}
