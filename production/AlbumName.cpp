#include "production/AlbumName.h"

QString AlbumNameProblem(const QString& name) {
    if (name.trimmed().isEmpty())
        return QStringLiteral("相册名称不能为空！");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QLatin1String("..")))
        return QStringLiteral("相册名称不能包含 / \\ 或 ..！");
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return QStringLiteral("相册名称不能包含控制字符！");
        if (QStringLiteral(":*?\"<>|").contains(c))
            return QStringLiteral("相册名称不能包含 : * ? \" < > | 等字符！");
    }
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QStringLiteral("相册名称不能以点或空格结尾！");
    if (name.size() > 200)
        return QStringLiteral("相册名称太长！");
    return {};
}
