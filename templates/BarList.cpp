#include "templates/BarList.h"

QStringList SplitBarList(const QString& text) {
    QStringList items;
    qsizetype previous = text.indexOf(u'|');
    while (previous >= 0) {
        const qsizetype next = text.indexOf(u'|', previous + 1);
        if (next < 0) break;
        items.append(text.mid(previous + 1, next - previous - 1));
        previous = next;
    }
    return items;
}
