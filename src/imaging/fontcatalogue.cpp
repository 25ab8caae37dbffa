// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/fontcatalogue.h"

#include <QFontDatabase>
#include <algorithm>

QStringList FontCatalogue::installedFamilies()
{
    QStringList families = QFontDatabase::families();
    families.removeIf([](const QString& family) { return QFontDatabase::isPrivateFamily(family); });
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    families.removeDuplicates();
    return families;
}
