#pragma once
// The parameter file of a template: GBK INI text with the library marker, the display name
// and the slot lists as bar lists (|a|b|c|), parallel item by item.

#include <QByteArray>
#include <QString>

#include "tools/databuild/TemplateSource.h"

namespace databuild {

inline constexpr const char* kLibraryMarker = "l_u_m_r_s_y_l_x";

// The INI text of `source` (as Unicode; EncodeGbk gives the stored bytes). `marker` replaces
// the library marker (test libraries with a wrong marker).
QString TemplateIniText(const TemplateSource& source, const QString& marker = kLibraryMarker);
QByteArray TemplateIniBytes(const TemplateSource& source, const QString& marker = kLibraryMarker);

// "|a|b|c|" for the items a, b, c.
QString BarList(const QStringList& items);

}  // namespace databuild
