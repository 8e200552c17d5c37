#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempDir::TempDir() : dir_(QDir::tempPath() + "/lumora-test-XXXXXX") {}

QString TempDir::file(const QString& relative) const { return dir_.filePath(relative); }

QString TempDir::write(const QString& relative, const QByteArray& bytes) const {
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly)) out.write(bytes);
    return path;
}

QByteArray ReadBytes(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}
