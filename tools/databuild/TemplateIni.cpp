#include "tools/databuild/TemplateIni.h"

#include <QStringList>

#include "platform/GbkText.h"

namespace databuild {

QString BarList(const QStringList& items) { return "|" + items.join('|') + "|"; }

QString TemplateIniText(const TemplateSource& source, const QString& marker) {
    QStringList widths, heights, orientations, names;
    for (const Picture& p : source.pictures) {
        widths.append(QString::number(p.size.width()));
        heights.append(QString::number(p.size.height()));
        orientations.append(p.orientation);
        names.append(p.name);
    }
    const int photoSlots = source.photoSlotCount();
    QStringList lines{"[l_x_l_u_m_r_w_j_s_y]",
                      "l_x_l_u_m_r_w_j_s_y=" + marker,
                      "l_x_l_u_m_r_w_j_s_y_m_c=" + source.name,
                      "",
                      "[1]",
                      "mblx=" + QString(photoSlots == 1 ? "单张模板" : "多张模板"),
                      "mbfl=" + source.category,
                      "xpsl=" + QString::number(photoSlots),
                      "xpkd=" + BarList(widths),
                      "xpgd=" + BarList(heights),
                      "szhz=" + BarList(orientations),
                      "xpjpgmc=" + BarList(names),
                      "mbdx=" + QString::number(source.frames),
                      "",
                      "[0]",
                      "sl=" + QString::number(source.pictures.size()),
                      ""};
    return lines.join("\r\n");
}

QByteArray TemplateIniBytes(const TemplateSource& source, const QString& marker) {
    return EncodeGbk(TemplateIniText(source, marker));
}

}  // namespace databuild
