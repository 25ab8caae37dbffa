#include "imaging/fontsubstitution.h"

#include <QFontDatabase>
#include <QHash>

namespace {

// Installed by scripts/install-deps (fonts-ipafont-gothic, fonts-ipafont-mincho).
const QString kMonoGothic = QStringLiteral("IPAGothic");
const QString kPropGothic = QStringLiteral("IPAPGothic");
const QString kMonoMincho = QStringLiteral("IPAMincho");
const QString kPropMincho = QStringLiteral("IPAPMincho");

const QHash<QString, QString>& table() {
    // Keys are compared case-insensitively; Windows spells the Japanese names with full-width
    // letters and an ideographic or full-width space, and older files use the English names.
    static const QHash<QString, QString> substitutes{
        {QStringLiteral("ｍｓ ゴシック"), kMonoGothic},    {QStringLiteral("ｍｓ　ゴシック"), kMonoGothic},
        {QStringLiteral("ms ゴシック"), kMonoGothic},      {QStringLiteral("ms gothic"), kMonoGothic},
        {QStringLiteral("system"), kMonoGothic},           {QStringLiteral("fixedsys"), kMonoGothic},
        {QStringLiteral("terminal"), kMonoGothic},         {QStringLiteral("ｍｓ ｐゴシック"), kPropGothic},
        {QStringLiteral("ｍｓ　ｐゴシック"), kPropGothic}, {QStringLiteral("ms pゴシック"), kPropGothic},
        {QStringLiteral("ms pgothic"), kPropGothic},       {QStringLiteral("ms ui gothic"), kPropGothic},
        {QStringLiteral("メイリオ"), kPropGothic},         {QStringLiteral("meiryo"), kPropGothic},
        {QStringLiteral("meiryo ui"), kPropGothic},        {QStringLiteral("游ゴシック"), kPropGothic},
        {QStringLiteral("yu gothic"), kPropGothic},        {QStringLiteral("yu gothic ui"), kPropGothic},
        {QStringLiteral("ｍｓ 明朝"), kMonoMincho},        {QStringLiteral("ｍｓ　明朝"), kMonoMincho},
        {QStringLiteral("ms 明朝"), kMonoMincho},          {QStringLiteral("ms mincho"), kMonoMincho},
        {QStringLiteral("ｍｓ ｐ明朝"), kPropMincho},      {QStringLiteral("ｍｓ　ｐ明朝"), kPropMincho},
        {QStringLiteral("ms p明朝"), kPropMincho},         {QStringLiteral("ms pmincho"), kPropMincho},
        {QStringLiteral("游明朝"), kPropMincho},           {QStringLiteral("yu mincho"), kPropMincho},
    };
    return substitutes;
}

} // namespace

QString FontSubstitution::substituteFor(const QString& name) {
    return table().value(name.trimmed().toLower());
}

QString FontSubstitution::renderFamily(const QString& name) {
    if (QFontDatabase::hasFamily(name))
        return name;
    const QString substitute = substituteFor(name);
    return substitute.isEmpty() ? name : substitute;
}
