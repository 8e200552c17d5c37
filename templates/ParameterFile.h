#pragma once
// The template parameter file: the INI text (GBK) that a parameter container unwraps to,
// read into one row of the template parameter table (TemplateTables.h).
//
//   [l_x_l_u_m_r_w_j_s_y]  l_x_l_u_m_r_w_j_s_y = the library marker "l_u_m_r_s_y_l_x"
//                          l_x_l_u_m_r_w_j_s_y_m_c = the template's display name
//   [1]                    mblx, mbfl, xpsl, xpkd, xpgd, szhz, xpjpgmc, mbdx
//   [0]                    sl
//
// Sections and keys are found regardless of case; a key that is absent reads as empty text.

#include <QString>
#include <QStringList>

inline const QString kLibraryMarkerSection = QStringLiteral("l_x_l_u_m_r_w_j_s_y");
inline const QString kLibraryMarkerKey = QStringLiteral("l_x_l_u_m_r_w_j_s_y");
inline const QString kLibraryMarkerValue = QStringLiteral("l_u_m_r_s_y_l_x");
inline const QString kTemplateNameKey = QStringLiteral("l_x_l_u_m_r_w_j_s_y_m_c");

struct ParameterFile {
    QString marker;          // the library marker as the file holds it; empty when absent
    QStringList parameters;  // the parameter-table row without 位置, 分类标注 and 序号
                             // (those three are left empty)
    bool hasLibraryMarker() const { return marker == kLibraryMarkerValue; }
};

// Reads the parameter INI at `path`. A file that cannot be read holds no keys.
ParameterFile ReadParameterFile(const QString& path);

// The full parameter-table row of a template: the file's values, the movie container path
// and the template index; 分类标注 empty.
QStringList ParameterRow(const ParameterFile& file, const QString& moviePath, int index);
