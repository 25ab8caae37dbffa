#include "ctl/ctlrun.h"

#include "ctl/litrender.h"
#include "ctl/projectsummary.h"
#include "imaging/picturefiles.h"
#include "settings/projectstorage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <cstdio>

namespace {

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

} // namespace

CtlRun::CtlRun(CtlArguments arguments)
    : m_arguments(std::move(arguments))
    , m_port(m_arguments.port)
    , m_clock(m_arguments.at)
    , m_controller(m_dialogs, m_line, m_port, m_clock)
{
    // Nobody sees the clock and countdown marks here, and drawing them would need fonts.
    m_controller.setShowMarks(false);
}

int CtlRun::exec()
{
    switch (m_arguments.verb) {
    case CtlArguments::Verb::Upload:
        return upload();
    case CtlArguments::Verb::SetClock:
        return setClock();
    case CtlArguments::Verb::SetText:
        return setText();
    case CtlArguments::Verb::Render:
        return render();
    case CtlArguments::Verb::Info:
        return info();
    }
    return kExitFailed;
}

bool CtlRun::loadProject()
{
    return m_controller.loadFrom(m_arguments.project);
}

bool CtlRun::choosePort()
{
    if (m_port.comName().isEmpty()) {
        printError(QStringLiteral("ポートが見つからないか、開けません: %1").arg(m_arguments.port));
        return false;
    }
    m_controller.scanPorts();
    m_controller.typeText(GlobalList::Port, m_port.comName());
    return true;
}

int CtlRun::runExchange(bool started)
{
    if (!started)
        return kExitFailed;
    const auto printProgress = [](int maximum, int value) {
        if (value > 0)
            std::fprintf(stderr, "%d/%d\n", value, maximum);
    };
    QObject::connect(&m_controller, &Controller::progressBar1Changed, &m_controller, printProgress);
    QObject::connect(&m_controller, &Controller::progressBar2Changed, &m_controller, printProgress);
    QObject::connect(&m_controller, &Controller::transferFinished, &m_controller,
                     [](bool completed) { QCoreApplication::exit(completed ? 0 : kExitFailed); });
    return QCoreApplication::exec();
}

int CtlRun::upload()
{
    if (!loadProject() || !choosePort())
        return kExitFailed;
    // Brightness is no part of a project file; the card gets the script's.
    m_controller.typeText(GlobalList::Brightness, m_arguments.brightness);
    return runExchange(m_controller.send());
}

int CtlRun::setClock()
{
    if (!loadProject() || !choosePort())
        return kExitFailed;
    return runExchange(m_controller.sendClock());
}

int CtlRun::setText()
{
    // A new project gets ".ini" as the window's save dialog gives it; an existing file is the
    // project the script means, whatever its name.
    if (!QFileInfo::exists(m_arguments.project))
        m_arguments.project = ProjectStorage::withSettingsExtension(m_arguments.project);
    if (QFileInfo::exists(m_arguments.project) && !loadProject())
        return kExitFailed;
    const int m = m_arguments.message;
    m_controller.selectTab(m);
    m_controller.setMessageText(m, m_arguments.text);
    if (m_arguments.font)
        m_controller.setFontName(m, *m_arguments.font);
    if (m_arguments.size)
        m_controller.typeText(m, MessageList::FontSize, *m_arguments.size);
    if (m_arguments.bold)
        m_controller.setBold(m, true);
    if (m_arguments.adjust) {
        m_controller.setAdjustBar(m, *m_arguments.adjust);
        m_controller.setTopAdjText(m, QString::number(*m_arguments.adjust));
    }
    m_controller.adoptText();
    return m_controller.saveTo(m_arguments.project) ? 0 : kExitFailed;
}

int CtlRun::render()
{
    if (!loadProject())
        return kExitFailed;
    const int m = m_arguments.message;
    if (m_controller.project().msgLen()[m] == 0) {
        printError(QStringLiteral("表示 %1 は空です。").arg(m));
        return kExitFailed;
    }
    const QString reason = PictureFiles::write(renderLit(m_controller.project(), m), m_arguments.out, "PNG");
    if (!reason.isEmpty()) {
        printError(QStringLiteral("書き出せません: %1\n%2").arg(m_arguments.out, reason));
        return kExitFailed;
    }
    return 0;
}

int CtlRun::info()
{
    if (!loadProject())
        return kExitFailed;
    const ProjectSummary summary = ProjectSummary::of(m_controller.project());
    const QByteArray output = m_arguments.json ? QJsonDocument(summary.json()).toJson(QJsonDocument::Indented)
                                               : summary.text().toUtf8();
    std::fwrite(output.constData(), 1, std::size_t(output.size()), stdout);
    return 0;
}
