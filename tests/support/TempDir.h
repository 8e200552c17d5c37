#pragma once
// A temporary folder for one test, removed with everything in it when the test ends.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    // The path of `relative` inside the folder.
    QString file(const QString& relative) const;
    // Writes `bytes` to `relative`, creating the folders on the way; answers the full path.
    QString write(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// The whole content of a file; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);
