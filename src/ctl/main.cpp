// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/diagnostics.h"
#include "ctl/ctlarguments.h"
#include "ctl/ctlrun.h"

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
    QStringList arguments{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        // A name in another code page (a copy from Windows) would become another name: a project
        // could be created under it and the run reported done. Such an argument is refused.
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.toLocal8Bit() != QByteArray(argv[i])) {
            const QByteArray shown = QByteArray(argv[i]).toPercentEncoding("/.-_~ ");
            std::fprintf(stderr, "%s%s\n",
                         qUtf8Printable(QStringLiteral("この引数はシステムの文字コードで表せません: ")),
                         shown.constData());
            return kExitUsage;
        }
        arguments << argument;
    }
    const auto parsed = parseCtlArguments(arguments);
    if (const auto* exit = std::get_if<CtlExit>(&parsed)) {
        std::fputs(qUtf8Printable(exit->output), stdout);
        std::fputs(qUtf8Printable(exit->error), stderr);
        return exit->status;
    }

    const CtlArguments& command = std::get<CtlArguments>(parsed);
    Diagnostics::setUp();
    if (command.verbose)
        Diagnostics::enableAll();

    // Only adopting a text draws with fonts, which need a GUI application though never a display.
    // The other commands go without, which spares them the font system's start and teardown.
    std::unique_ptr<QTemporaryDir> runtimeFolder;
    std::unique_ptr<QCoreApplication> app;
    if (command.verb == CtlArguments::Verb::SetText) {
        runtimeFolder = runtimeFolderStandIn();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    CtlRun run(command);
    return run.exec();
}
