#pragma once
// The album name the user types: it becomes the file name "name.mpg" (".mp4", ...) in the save folder,
// so it must be one plain file name that keeps the file inside that folder.

#include <QString>

// Empty text when `name` is usable; otherwise the Chinese message that says why not:
// empty (or only blanks), holding "/" or "\", "..", a control character, a character that
// file systems refuse in names (: * ? " < > |), ending in a dot or a blank, or longer than
// 200 characters.
QString AlbumNameProblem(const QString& name);
