#pragma once
// Text in the GBK code page, the encoding of the library's INI files and of lyric files
// written on Chinese systems, converted with iconv.
//
// Decoding never fails: a byte sequence that is not GBK becomes U+FFFD and decoding goes on
// with the next byte. Encoding writes "?" for a character GBK cannot hold.

#include <QByteArray>
#include <QString>

QString DecodeGbk(const QByteArray& bytes);
QByteArray EncodeGbk(const QString& text);

// A text file of unknown encoding, as lyric files come: UTF-8 with or without a byte-order
// mark, UTF-16 (little or big endian) with a byte-order mark, each only when the whole text
// is valid in it, and otherwise GBK.
QString DecodeTextFile(const QByteArray& bytes);
