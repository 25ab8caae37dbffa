// SPDX-License-Identifier: GPL-3.0-or-later
#include "appinfo.h"
#include "controller/diagnostics.h"
#include "ui/windowapp.h"
#include "ui/windowarguments.h"
#include "ui/windowfonts.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <cstdio>

namespace {

int finish(const WindowArgumentsExit& exit)
{
    std::fputs(qUtf8Printable(exit.output), stdout);
    std::fputs(qUtf8Printable(exit.error), stderr);
    return exit.status;
}

QIcon programIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    // QSettings keeps the recent projects under these names, in the platform's usual place.
    QCoreApplication::setOrganizationName(QStringLiteral("p10sign"));
    QCoreApplication::setApplicationName(QStringLiteral("p10sign"));
    QCoreApplication::setApplicationVersion(QLatin1String(AppInfo::kVersion));
    Diagnostics::setUp();

    // Help and the version need no window system, so they are answered before one starts.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const auto early = parseWindowArguments(raw);
    if (const auto* exit = std::get_if<WindowArgumentsExit>(&early); exit && exit->status == 0)
        return finish(*exit);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QLatin1String(AppInfo::kDesktopId));
    QApplication::setWindowIcon(programIcon());
    QApplication::setFont(WindowFonts::caption());
    // Qt has taken its own options (-platform, -style …) out of the arguments by now.
    const auto parsed = parseWindowArguments(QApplication::arguments());
    if (const auto* exit = std::get_if<WindowArgumentsExit>(&parsed))
        return finish(*exit);
    WindowApp program;
    program.start(std::get<WindowArguments>(parsed).project);
    return app.exec();
}
