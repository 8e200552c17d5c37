#include "platform/FolderWipe.h"

#include <QDir>
#include <QFile>

#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Entry {
    std::string name;
    bool isFolder = false;  // a real folder; a link to a folder is not one
};

// Opens the folder `name` inside the open folder `parent`; fails (-1) for a link.
int openFolderAt(int parent, const char* name) {
    return ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool isFolderAt(int folder, const char* name) {
    struct stat info {};
    return ::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
}

// The entries of the open folder `folder`, without "." and "..". The whole list is read
// before anything is deleted, so deleting does not disturb the listing.
std::vector<Entry> listEntries(int folder) {
    std::vector<Entry> entries;
    const int copy = ::dup(folder);  // closedir closes the descriptor it was given
    if (copy < 0) return entries;
    DIR* dir = ::fdopendir(copy);
    if (!dir) {
        ::close(copy);
        return entries;
    }
    ::rewinddir(dir);
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        const bool isFolder = e->d_type == DT_UNKNOWN ? isFolderAt(folder, e->d_name) : e->d_type == DT_DIR;
        entries.push_back({name, isFolder});
    }
    ::closedir(dir);
    return entries;
}

int wipeContents(int folder, const std::function<void()>& onEntryDeleted);

// Deletes one entry of the open folder `folder`; answers the number of entries deleted.
int wipeEntry(int folder, const Entry& entry, const std::function<void()>& onEntryDeleted) {
    int deleted = 0;
    if (entry.isFolder) {
        const int sub = openFolderAt(folder, entry.name.c_str());
        if (sub >= 0) {
            deleted += wipeContents(sub, onEntryDeleted);
            ::close(sub);
        }
    }
    if (::unlinkat(folder, entry.name.c_str(), entry.isFolder ? AT_REMOVEDIR : 0) != 0) return deleted;
    if (onEntryDeleted) onEntryDeleted();
    return deleted + 1;
}

int wipeContents(int folder, const std::function<void()>& onEntryDeleted) {
    int deleted = 0;
    for (const Entry& entry : listEntries(folder)) deleted += wipeEntry(folder, entry, onEntryDeleted);
    return deleted;
}

int countContents(int folder, const QStringList& suffixes) {
    int count = 0;
    for (const Entry& entry : listEntries(folder)) {
        if (!entry.isFolder) {
            const QString name = QFile::decodeName(QByteArray::fromStdString(entry.name));
            for (const QString& suffix : suffixes) {
                if (name.endsWith(suffix, Qt::CaseSensitive)) {
                    ++count;
                    break;
                }
            }
            continue;
        }
        const int sub = openFolderAt(folder, entry.name.c_str());
        if (sub < 0) continue;
        count += countContents(sub, suffixes);
        ::close(sub);
    }
    return count;
}

// The path as the system takes it, without a trailing separator (which would make the
// system follow a link named by the path).
QByteArray systemPath(const QString& path) { return QFile::encodeName(QDir::cleanPath(path)); }

}  // namespace

int WipeFolder(const QString& folder, const std::function<void()>& onEntryDeleted) {
    const QByteArray path = systemPath(folder);
    struct stat info {};
    if (path.isEmpty() || ::lstat(path.constData(), &info) != 0) return 0;
    int deleted = 0;
    if (S_ISDIR(info.st_mode)) {
        const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0) {
            deleted += wipeContents(fd, onEntryDeleted);
            ::close(fd);
        }
    }
    const int removed = S_ISDIR(info.st_mode) ? ::rmdir(path.constData()) : ::unlink(path.constData());
    if (removed != 0) return deleted;
    if (onEntryDeleted) onEntryDeleted();
    return deleted + 1;
}

int CountFilesWithSuffix(const QString& folder, const QStringList& suffixes) {
    const QByteArray path = systemPath(folder);
    if (path.isEmpty()) return 0;
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return 0;
    const int count = countContents(fd, suffixes);
    ::close(fd);
    return count;
}
