// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/fontcatalogue.h"

#include <QFontDatabase>
#include <algorithm>

QString FontCatalogue::plainFamily(const QString& family)
{
    const qsizetype foundry = family.lastIndexOf(QStringLiteral(" ["));
    return foundry > 0 && family.endsWith(u']') ? family.left(foundry) : family;
}

QStringList FontCatalogue::installedFamilies()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family))
            families << plainFamily(family);
    }
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    families.removeDuplicates();
    return families;
}
