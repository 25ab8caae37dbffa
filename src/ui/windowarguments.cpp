// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowarguments.h"

#include "appinfo.h"
#include "texts/desktoptexts.h"
#include "texts/language.h"
#include "texts/languagetexts.h"

#include <QCommandLineParser>

namespace {

constexpr int kExitUsage = 2;

} // namespace

std::variant<WindowArguments, WindowArgumentsExit> parseWindowArguments(QStringList arguments)
{
    const Language::Request language = Language::takeOption(arguments);
    QCommandLineParser parser;
    parser.setApplicationDescription(DesktopTexts::windowDescription());
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, DesktopTexts::helpOption());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     DesktopTexts::versionOption());
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(Language::option());
    parser.addPositionalArgument(QStringLiteral("PROJECT.ini"), DesktopTexts::projectArgument(),
                                 QStringLiteral("[PROJECT.ini]"));
    // Qt's own first line names the program as Qt knows it, which it may not yet.
    const QString helpText =
        DesktopTexts::windowUsage() + QStringLiteral("\n\n") + parser.helpText().section(u'\n', 1);

    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help))
        return WindowArgumentsExit{0, helpText, {}};
    if (parser.isSet(version))
        return WindowArgumentsExit{
            0, QStringLiteral("p10sign %1\n").arg(QLatin1String(AppInfo::kVersion)), {}};
    if (!parsed)
        return WindowArgumentsExit{kExitUsage, {}, parser.errorText() + u'\n' + helpText};
    if (language.refused)
        return WindowArgumentsExit{
            kExitUsage, {}, LanguageTexts::badValue(*language.refused) + u'\n' + helpText};
    const QStringList projects = parser.positionalArguments();
    if (projects.size() > 1)
        return WindowArgumentsExit{kExitUsage, {}, DesktopTexts::oneProjectOnly() + u'\n' + helpText};
    return WindowArguments{projects.value(0)};
}
