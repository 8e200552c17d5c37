#include "tools/databuild/Combinations.h"

#include "platform/GbkText.h"
#include "templates/Container.h"

namespace databuild {

CombinationMember MemberOf(const TemplateSource& source, bool asVertical) {
    CombinationMember m{source.name, 0, 0};
    for (const Picture& p : source.pictures) {
        if (!p.isPhotoSlot()) continue;
        if (p.orientation == "heng") ++m.horizontal;
        if (p.orientation == "shu") ++m.vertical;
        if (p.orientation == "shuheng") ++(asVertical ? m.vertical : m.horizontal);
    }
    return m;
}

bool ResolveMembers(const QStringList& texts, const QVector<TemplateSource>& library,
                    QVector<CombinationMember>& members, QString& error) {
    members.clear();
    for (const QString& text : texts) {
        const bool asVertical = text.endsWith("/shu");
        const QString name = asVertical ? text.chopped(4) : text;
        const TemplateSource* found = nullptr;
        for (const TemplateSource& t : library)
            if (t.name == name) found = &t;
        if (!found) {
            error = "组合模板的成员不在模板库中：" + text;
            return false;
        }
        members.append(MemberOf(*found, asVertical));
    }
    return true;
}

QString CombinationIniText(const QVector<CombinationMember>& members) {
    QStringList lines{"[zuhemoban_canshu]", "shuliang=" + QString::number(members.size())};
    for (int k = 0; k < members.size(); ++k)
        lines.append(QString("canshu_%1=%2~%3~%4~")
                         .arg(k + 1)
                         .arg(members[k].name)
                         .arg(members[k].horizontal)
                         .arg(members[k].vertical));
    lines.append("");
    return lines.join("\r\n");
}

QByteArray CombinationArchive(const QVector<CombinationMember>& members) {
    return WrapLayers(EncodeGbk(CombinationIniText(members)), kCombinationLayers);
}

}  // namespace databuild
