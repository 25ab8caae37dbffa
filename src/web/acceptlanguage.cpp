// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/acceptlanguage.h"

#include <QList>
#include <algorithm>
#include <utility>

QStringList acceptedLanguages(const QByteArray& header)
{
    QList<std::pair<double, QString>> weighted;
    for (const QByteArray& item : header.split(',')) {
        const QList<QByteArray> parts = item.split(';');
        const QString tag = QString::fromLatin1(parts.first().trimmed());
        double weight = 1.0;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QByteArray parameter = parts.at(i).trimmed();
            if (parameter.startsWith("q="))
                weight = parameter.mid(2).toDouble();
        }
        if (!tag.isEmpty() && tag != QLatin1String("*") && weight > 0)
            weighted.append({weight, tag});
    }
    std::stable_sort(weighted.begin(), weighted.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList languages;
    for (const auto& [weight, tag] : std::as_const(weighted))
        languages << tag;
    return languages;
}
