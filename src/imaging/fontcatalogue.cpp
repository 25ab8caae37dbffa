// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/fontcatalogue.h"

#include <QFontDatabase>
#include <algorithm>

namespace {

QString plainFamily(const QString& family)
{
    const qsizetype foundry = family.lastIndexOf(QStringLiteral(" ["));
    return foundry > 0 && family.endsWith(u']') ? family.left(foundry) : family;
}

} // namespace

QStringList FontCatalogue::listOf(const QStringList& offered)
{
    QStringList families;
    for (const QString& family : offered)
        families << plainFamily(family);
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    families.removeDuplicates();
    return families;
}

QStringList FontCatalogue::installedFamilies()
{
    QStringList offered;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family))
            offered << family;
    }
    return listOf(offered);
}
