#pragma once
// Combination archives: an ordered list of library templates, stored as a 3-layer container
// of an INI text (GBK):
//
//   [zuhemoban_canshu]
//   shuliang=M
//   canshu_1=<template name>~<horizontal photos>~<vertical photos>~
//   ...
//
// The counts of a member are those the template list shows for it: photo slots of `heng`
// (and `shuheng`) count horizontal, `shu` vertical; a `shuheng` template taken as a
// vertical one is written "<name>~0~1~" (member text "<name>/shu" in the source).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "tools/databuild/TemplateSource.h"

namespace databuild {

inline constexpr int kCombinationLayers = 3;

struct CombinationMember {
    QString name;
    int horizontal = 0;
    int vertical = 0;
};

// The photo counts of `source` as the template list shows it; `asVertical` for the row a
// `shuheng` template has among the vertical templates.
CombinationMember MemberOf(const TemplateSource& source, bool asVertical = false);

// Resolves member texts ("name" or "name/shu") against the library. On failure answers
// false and names the member in `error`.
bool ResolveMembers(const QStringList& texts, const QVector<TemplateSource>& library,
                    QVector<CombinationMember>& members, QString& error);

QString CombinationIniText(const QVector<CombinationMember>& members);
QByteArray CombinationArchive(const QVector<CombinationMember>& members);

}  // namespace databuild
