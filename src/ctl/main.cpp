// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/diagnostics.h"
#include "ctl/ctlarguments.h"
#include "ctl/ctlrun.h"
#include "dialogs/ctltexts.h"
#include "dialogs/language.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

// The font system's start looks for a sandbox in the session's runtime folder and warns on
// standard error when there is no session, as under cron or root. A private folder for this run
// stands in for it, so a scheduled job's standard error holds only the job's own messages.
std::unique_ptr<QTemporaryDir> runtimeFolderStandIn()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return nullptr;
    auto folder = std::make_unique<QTemporaryDir>();
    if (folder->isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
    return folder;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QStringList withoutLanguage = arguments;
    const Language::Request asked = Language::takeOption(withoutLanguage);
    Diagnostics::setUp();

    // Only adopting a text draws with fonts, which need a GUI application though never a display.
    // The other commands go without, which spares them the font system's start and teardown.
    std::unique_ptr<QTemporaryDir> runtimeFolder;
    std::unique_ptr<QCoreApplication> app;
    if (withoutLanguage.value(1) == QLatin1String("set-text")) {
        runtimeFolder = runtimeFolderStandIn();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    Language language;
    language.apply(Language::choose(asked.id));

    for (int i = 1; i < argc; ++i) {
        // A name in another code page (a copy from Windows) would become another name: a project
        // could be created under it and the run reported done. Such an argument is refused.
        if (arguments.at(i).toLocal8Bit() != QByteArray(argv[i])) {
            const QByteArray shown = QByteArray(argv[i]).toPercentEncoding("/.-_~ ");
            std::fprintf(stderr, "%s%s\n", qUtf8Printable(CtlTexts::argumentNotInCodePage()),
                         shown.constData());
            return kExitUsage;
        }
    }
    const auto parsed = parseCtlArguments(arguments);
    if (const auto* exit = std::get_if<CtlExit>(&parsed)) {
        std::fputs(qUtf8Printable(exit->output), stdout);
        std::fputs(qUtf8Printable(exit->error), stderr);
        return exit->status;
    }

    const CtlArguments& command = std::get<CtlArguments>(parsed);
    if (command.verbose)
        Diagnostics::enableAll();
    CtlRun run(command);
    return run.exec();
}
