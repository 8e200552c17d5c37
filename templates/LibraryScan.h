#pragma once
// The walk that finds the library's containers.
//
// Both halves of the library (parameter containers and movie containers) are walked the
// same way and paired by position, so the walk must meet files in the same order on every
// machine. Directory listings come back in no promised order here, so each folder's
// entries are sorted by name (plain character order, case-sensitive) and walked in that
// order: files are taken where they stand, and a sub-folder is walked completely at the
// place it is met (depth first). Symbolic links to folders are not followed, so a link
// loop cannot make the walk endless.
//
// A container is a file whose extension (the text from its last ".") is exactly ".rar" or
// ".RAR"; ".Rar" and other mixed cases are not taken.

#include <QString>
#include <QStringList>

// Whether `fileName` has a container extension.
bool IsContainerFileName(const QString& fileName);

// The full paths of the containers under `folder` in walk order (folder + "/" + name).
// A missing folder yields an empty list.
QStringList ScanContainerFiles(const QString& folder);
