// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/fontsubstitution.h"

#include <QFontDatabase>
#include <QHash>
#include <QList>
#include <QStringList>

namespace {

// Installed by scripts/install-deps (fonts-ipafont-gothic, fonts-ipafont-mincho).
const QString kMonoGothic = QStringLiteral("IPAGothic");
const QString kPropGothic = QStringLiteral("IPAPGothic");
const QString kMonoMincho = QStringLiteral("IPAMincho");
const QString kPropMincho = QStringLiteral("IPAPMincho");

struct Kind {
    QString family;
    QStringList names; // lower case
};

const QHash<QString, QString>& table()
{
    // Windows spells the Japanese names with full-width letters and a half-width or ideographic
    // space; older files use the English names.
    static const QHash<QString, QString> substitutes = [] {
        const QList<Kind> kinds{
            {kMonoGothic,
             {"ｍｓ ゴシック", "ｍｓ　ゴシック", "ms ゴシック", "ms gothic", "fixedsys", "terminal"}},
            // "System" is the start-up font of every page. Its Latin letters are proportional,
            // which also keeps "M" and "W" legible at 12 points.
            {kPropGothic,
             {"ｍｓ ｐゴシック", "ｍｓ　ｐゴシック", "ms pゴシック", "ms pgothic", "ms ui gothic", "system",
              "メイリオ", "meiryo", "meiryo ui", "游ゴシック", "yu gothic", "yu gothic ui"}},
            {kMonoMincho, {"ｍｓ 明朝", "ｍｓ　明朝", "ms 明朝", "ms mincho"}},
            {kPropMincho, {"ｍｓ ｐ明朝", "ｍｓ　ｐ明朝", "ms p明朝", "ms pmincho", "游明朝", "yu mincho"}},
        };
        QHash<QString, QString> byName;
        for (const Kind& kind : kinds) {
            for (const QString& name : kind.names)
                byName.insert(name, kind.family);
        }
        return byName;
    }();
    return substitutes;
}

} // namespace

QString FontSubstitution::substituteFor(const QString& name)
{
    // Compared without regard to case, as Windows compares font names.
    return table().value(name.trimmed().toLower());
}

QString FontSubstitution::renderFamily(const QString& name)
{
    if (QFontDatabase::hasFamily(name))
        return name;
    const QString substitute = substituteFor(name);
    return substitute.isEmpty() ? name : substitute;
}
