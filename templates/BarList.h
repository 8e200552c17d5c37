#pragma once
// Bar lists: the cell texts of the template tables that hold one item per template slot,
// written |a|b|c|. Every item is enclosed by "|" on both sides; an item is the text between
// two neighbouring bars, so "|a|b|c|" holds a, b, c, "||" holds one empty item, and a text
// with fewer than two bars holds none.

#include <QString>
#include <QStringList>

// The items of `text`, in order.
QStringList SplitBarList(const QString& text);
