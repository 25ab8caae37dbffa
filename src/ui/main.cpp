// SPDX-License-Identifier: GPL-3.0-or-later
#include "appinfo.h"
#include "logging/diagnostics.h"
#include "texts/language.h"
#include "ui/startahead.h"
#include "ui/windowapp.h"
#include "ui/windowarguments.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>

namespace {

int finish(const WindowArgumentsExit& exit)
{
    std::fputs(qUtf8Printable(exit.output), stdout);
    std::fputs(qUtf8Printable(exit.error), stderr);
    return exit.status;
}

} // namespace

int main(int argc, char* argv[])
{
    // QSettings keeps the recent projects under these names, in the platform's usual place.
    QCoreApplication::setOrganizationName(QStringLiteral("p10sign"));
    QCoreApplication::setApplicationName(QStringLiteral("p10sign"));
    QCoreApplication::setApplicationVersion(QLatin1String(AppInfo::kVersion));
    Diagnostics::setUp();

    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    // The texts are in the chosen language from the first, help and refusals included.
    QStringList withoutLanguage = raw;
    const Language::Request asked = Language::takeOption(withoutLanguage);
    const auto chosen = [&] { return Language::choose(asked.id, Language::remembered(QSettings())); };
    Language language;

    // Help, the version and a language that is none need no window system, so they are answered
    // before one starts.
    const auto early = parseWindowArguments(raw);
    if (const auto* exit = std::get_if<WindowArgumentsExit>(&early);
        exit && (exit->status == 0 || asked.refused)) {
        const QCoreApplication core(argc, argv);
        language.apply(chosen());
        return finish(std::get<WindowArgumentsExit>(parseWindowArguments(raw)));
    }

    StartAhead ahead;
    QApplication app(argc, argv);
    language.apply(chosen());
    WindowApp::dressApplication();
    // Qt has taken its own options (-platform, -style …) out of the arguments by now.
    const auto parsed = parseWindowArguments(QApplication::arguments());
    if (const auto* exit = std::get_if<WindowArgumentsExit>(&parsed))
        return finish(*exit);
    ahead.applicationStarted();
    WindowApp program(ahead.ports());
    program.start(std::get<WindowArguments>(parsed).project);
    const int status = app.exec();
    ahead.finish();
    return status;
}
