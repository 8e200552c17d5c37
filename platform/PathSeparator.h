#pragma once
// The folder separator of this system's paths.
//
// "/" separates folders everywhere; "\" does so on Windows only. Elsewhere "\" is an
// ordinary character of a file name ("back\slash.jpg" is one file), so code that takes a
// path apart must never cut there.

#include <QChar>
#include <QString>

inline bool IsPathSeparator(QChar c) {
#ifdef Q_OS_WIN
    return c == u'/' || c == u'\\';
#else
    return c == u'/';
#endif
}

// The position of the last separator in `path`, or -1.
inline int LastPathSeparator(const QString& path) {
    for (int i = int(path.size()) - 1; i >= 0; --i)
        if (IsPathSeparator(path.at(i))) return i;
    return -1;
}
