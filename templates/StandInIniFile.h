#pragma once
// STAND-IN, to be removed when platform/IniFile.h lands on main: the classic INI lookups
// over GBK text that ParameterFile.cpp needs (case-insensitive sections and keys, a
// missing key is empty text), nothing more.

#include <QFile>
#include <QHash>
#include <QString>

#include "platform/GbkText.h"

class IniFile {
public:
    static IniFile fromGbkFile(const QString& path) {
        IniFile ini;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return ini;
        QString section;
        for (QString line : DecodeGbk(file.readAll()).split(u'\n')) {
            line = line.trimmed();
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                section = line.mid(1, line.size() - 2).trimmed().toLower();
                continue;
            }
            const qsizetype equals = line.indexOf(u'=');
            if (equals <= 0 || line.startsWith(u';')) continue;
            const QString key = section + "\n" + line.left(equals).trimmed().toLower();
            if (!ini.values_.contains(key)) ini.values_.insert(key, line.mid(equals + 1).trimmed());
        }
        return ini;
    }
    QString value(const QString& section, const QString& key) const {
        return values_.value(section.toLower() + "\n" + key.toLower());
    }

private:
    QHash<QString, QString> values_;
};
