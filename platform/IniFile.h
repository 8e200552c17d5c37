#pragma once
// IniFile: an INI file read once, looked up the way the classic Windows profile API looks
// values up (parsed with inih).
//
// - Section and key names are matched without regard to case; surrounding blanks of
//   names and values are dropped.
// - A missing section or key reads as empty text; the file never fails a lookup.
// - When a key occurs twice in a section (or in two sections of the same name), the first
//   occurrence wins.
// - A value wrapped in a matching pair of double (or single) quotes loses them; quotes
//   inside a value stay.
// - Only a line that starts with ";" is a comment. A ";" inside a value is part of the
//   value ("a=b ;c" reads "b ;c"), and a line starting with "#" is an ordinary line.
// - A line of any length is read whole; an indented line is an ordinary line, never the
//   continuation of the line before.
// - Lines without "=" are ignored. Where the classic API and inih differ, one difference
//   stays: a ":" before the first "=" also separates name and value.

#include <QHash>
#include <QString>

class IniFile {
public:
    // A file with no keys.
    IniFile() = default;
    // Parses INI text (already decoded).
    explicit IniFile(const QString& text);
    // Reads the INI file at `path`, decoding it from GBK, the code page the program's INI
    // files are written in. A file that cannot be read gives a file with no keys, and
    // error() says why.
    static IniFile fromGbkFile(const QString& path);

    // The value of `key` in `section`; empty text when there is none.
    QString value(const QString& section, const QString& key) const;
    // Whether `section` holds `key` (possibly with an empty value).
    bool contains(const QString& section, const QString& key) const;

    // Empty, or a Chinese message saying why the file could not be read.
    QString error() const { return error_; }

private:
    friend struct IniFileParser;
    static QString lookupKey(const QString& section, const QString& key);

    QHash<QString, QString> values_;  // lookupKey(section, key) -> value
    QString error_;
};
