#include "templates/ParameterFile.h"

#include "platform/IniFile.h"
#include "templates/TemplateTables.h"

ParameterFile ReadParameterFile(const QString& path) {
    const IniFile ini = IniFile::fromGbkFile(path);
    auto one = [&ini](const char* key) { return ini.value("1", key); };
    ParameterFile file;
    file.marker = ini.value(kLibraryMarkerSection, kLibraryMarkerKey);
    QStringList& p = file.parameters;
    p.resize(ParameterTable::Col::ColumnCount);
    p[ParameterTable::Col::Type] = one("mblx");
    p[ParameterTable::Col::Category] = one("mbfl");
    p[ParameterTable::Col::PhotoCount] = one("xpsl");
    p[ParameterTable::Col::Widths] = one("xpkd");
    p[ParameterTable::Col::Heights] = one("xpgd");
    p[ParameterTable::Col::Orientations] = one("szhz");
    p[ParameterTable::Col::PictureNames] = one("xpjpgmc");
    p[ParameterTable::Col::Frames] = one("mbdx");
    p[ParameterTable::Col::Name] = ini.value(kLibraryMarkerSection, kTemplateNameKey);
    p[ParameterTable::Col::AllPhotos] = ini.value("0", "sl");
    return file;
}

QStringList ParameterRow(const ParameterFile& file, const QString& moviePath, int index) {
    QStringList row = file.parameters;
    row.resize(ParameterTable::Col::ColumnCount);
    row[ParameterTable::Col::MoviePath] = moviePath;
    row[ParameterTable::Col::ClassWord] = QString();
    row[ParameterTable::Col::Index] = QString::number(index);
    return row;
}
