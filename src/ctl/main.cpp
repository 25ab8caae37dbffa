// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/diagnostics.h"
#include "ctl/ctlarguments.h"
#include "ctl/ctlrun.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
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
    std::unique_ptr<QCoreApplication> app;
    if (command.verb == CtlArguments::Verb::SetText) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    CtlRun run(command);
    return run.exec();
}
