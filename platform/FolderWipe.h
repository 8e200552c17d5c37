#pragma once
// Deleting a working folder with everything in it, and counting its files.
//
// Neither function ever follows a symbolic link or leaves the folder it was given: a link,
// whether it points to a file or a folder (or nowhere), is an entry of its own, and what
// it points to is never looked at. The walk goes through the folder's open directory
// handles, so a folder swapped for a link while the walk runs is not entered either.

#include <QString>
#include <QStringList>
#include <functional>

// Deletes every file at any depth below `folder`, each folder once it has been emptied,
// and then `folder` itself. Failures are ignored: what cannot be deleted stays, and the
// walk goes on with the next entry. `onEntryDeleted` (may be empty) is called after each
// entry that was deleted (file, link or folder, `folder` itself included), so a caller
// can advance a progress bar and process events.
//
// When `folder` does not exist nothing happens. When `folder` is itself a symbolic link
// or a file, that one entry is removed (the target of a link stays untouched).
// Answers the number of entries deleted.
int WipeFolder(const QString& folder, const std::function<void()>& onEntryDeleted = {});

// The number of files below `folder`, at any depth, whose name ends with one of
// `suffixes` (compared exactly, with case: {".rar", ".RAR"} does not match ".Rar"). A
// symbolic link counts as a file by its own name; linked folders are not entered. Answers
// 0 when `folder` does not exist or is not a folder.
int CountFilesWithSuffix(const QString& folder, const QStringList& suffixes);
