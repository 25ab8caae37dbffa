// SPDX-License-Identifier: GPL-3.0-or-later
#include "appinfo.h"
#include "card/cardreport.h"
#include "console/consoledialogs.h"
#include "texts/language.h"
#include "ui/widgetdialogs.h"
#include "ui/windowfonts.h"
#include "virtualcard/cardarguments.h"
#include "virtualcard/cardrun.h"
#include "virtualcard/cardwindow.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(qUtf8Printable(text), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("p10sign"));
    QCoreApplication::setApplicationName(QStringLiteral("p10signcard"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(AppInfo::kVersion));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString defaultMemory = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                      .filePath(QStringLiteral("memory.json"));
    QStringList withoutLanguage = arguments;
    const Language::Request asked = Language::takeOption(withoutLanguage);
    Language language;
    const auto parsed = parseCardArguments(arguments, defaultMemory);
    // Help, the version and refusals need no display; they are read again in the chosen language.
    if (std::holds_alternative<ConsoleExit>(parsed)) {
        const QCoreApplication core(argc, argv);
        language.apply(Language::choose(asked.id));
        const auto exit = std::get<ConsoleExit>(parseCardArguments(arguments, defaultMemory));
        print(stdout, exit.output);
        print(stderr, exit.error);
        return exit.status;
    }
    const CardArguments& options = std::get<CardArguments>(parsed);

    // Without a window the card needs no display, as on a server or in a test.
    std::unique_ptr<QCoreApplication> app;
    if (options.headless)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else {
        app = std::make_unique<QApplication>(argc, argv);
        QApplication::setFont(WindowFonts::desktop(QApplication::font()));
    }
    language.apply(Language::choose(asked.id));

    CardRun run(options);
    QTextStream errors(stderr);
    std::unique_ptr<Dialogs> dialogs;
    if (options.headless)
        dialogs = std::make_unique<ConsoleDialogs>(errors);
    else
        dialogs = std::make_unique<WidgetDialogs>();
    if (!run.start(*dialogs))
        return kExitFailed;
    // The path to give to p10sign or p10signctl, first on standard output for scripts.
    print(stdout, run.device() + u'\n');
    QObject::connect(&run, &CardRun::trouble, &run, [](const QString& text) { print(stderr, text + u'\n'); });

    std::unique_ptr<CardWindow> window;
    if (options.headless) {
        QObject::connect(&run, &CardRun::exchangeLogged, &run, [](const CardExchange& exchange) {
            print(stdout, CardReport::line(exchange) + u'\n');
        });
        QObject::connect(&run, &CardRun::lineLost, &run, [] { QCoreApplication::exit(kExitFailed); });
    } else {
        window = std::make_unique<CardWindow>(run);
        window->show();
    }
    return app->exec();
}
