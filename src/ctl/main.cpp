// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/consoleexit.h"
#include "ctl/ctlcommand.h"
#include "ctl/ctltexts.h"
#include "logging/diagnostics.h"
#include "texts/language.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

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

bool standardErrorIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) != 0;
#endif
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

    // Only adopting a text (set-text, and the service's changes) draws with fonts, which need a GUI
    // application though never a display. The other commands go without, which spares them the font
    // system's start and teardown.
    std::unique_ptr<QTemporaryDir> runtimeFolder;
    std::unique_ptr<QCoreApplication> app;
    const QString verb = withoutLanguage.value(1);
    if (verb == QLatin1String("set-text") || verb == QLatin1String("serve")) {
        runtimeFolder = runtimeFolderStandIn();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    for (int i = 1; i < argc; ++i) {
        // A name in another code page (a copy from Windows) would become another name: a project
        // could be created under it and the run reported done. Such an argument is refused.
        if (arguments.at(i).toLocal8Bit() != QByteArray(argv[i])) {
            const QByteArray shown = QByteArray(argv[i]).toPercentEncoding("/.-_~ ");
            Language language;
            language.apply(Language::choose(asked.id));
            std::fprintf(stderr, "%s%s\n", qUtf8Printable(CtlTexts::argumentNotInCodePage()),
                         shown.constData());
            return kExitUsage;
        }
    }
    QTextStream output(stdout);
    QTextStream errors(stderr);
    CtlCommand command(output, errors, standardErrorIsTerminal());
    const int status = command.run(arguments);
    // A script's next command may send to the same card at once: the card's gap is kept before
    // this run ends.
    if (const qint64 quietMs = command.quietLeftMs(); quietMs > 0) {
        QTimer::singleShot(quietMs, Qt::PreciseTimer, app.get(), &QCoreApplication::quit);
        app->exec();
    }
    return status;
}
