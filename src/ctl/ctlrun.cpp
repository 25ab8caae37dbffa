#include "ctl/ctlrun.h"

#include "ctl/litrender.h"
#include "ctl/projectsummary.h"
#include "dialogs/linktexts.h"
#include "link/uploadplan.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>

namespace {

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

void printResult(const QString& port, const QString& result)
{
    std::fprintf(stdout, "%s: %s\n", qUtf8Printable(port), qUtf8Printable(result));
    std::fflush(stdout);
}

void write(const QByteArray& output)
{
    std::fwrite(output.constData(), 1, std::size_t(output.size()), stdout);
}

} // namespace

CtlRun::CtlRun(CtlArguments arguments)
    : m_arguments(std::move(arguments))
    , m_clock(m_arguments.at)
    , m_controller(m_dialogs, m_line, m_ports, m_clock)
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
    case CtlArguments::Verb::Ports:
        return ports();
    }
    return kExitFailed;
}

bool CtlRun::loadProject()
{
    return m_controller.loadFrom(m_arguments.project);
}

int CtlRun::runOnEachPort(std::function<bool()> start)
{
    const auto printProgress = [](int maximum, int value) {
        if (value > 0)
            std::fprintf(stderr, "%d/%d\n", value, maximum);
    };
    QObject::connect(&m_controller, &Controller::progressBar1Changed, &m_controller, printProgress);
    QObject::connect(&m_controller, &Controller::progressBar2Changed, &m_controller, printProgress);
    QObject::connect(&m_controller, &Controller::transferFinished, &m_controller,
                     [this](bool completed) { portDone(completed); });
    m_start = std::move(start);
    m_portsLeft = m_arguments.ports;
    // Started from the running loop, so that an exchange that ends at once still ends the run.
    QTimer::singleShot(0, &m_controller, [this] { startOnNextPort(); });
    return QCoreApplication::exec();
}

void CtlRun::startOnNextPort()
{
    while (!m_portsLeft.isEmpty()) {
        m_port = m_portsLeft.takeFirst();
        m_controller.typeText(GlobalList::Port, m_port);
        if (m_start())
            return;
        // Refused before anything was sent; the reason has been printed.
        m_anyFailed = true;
        printResult(m_port, LinkTexts::notStarted());
    }
    QCoreApplication::exit(m_anyFailed ? kExitFailed : 0);
}

void CtlRun::portDone(bool completed)
{
    m_anyFailed = m_anyFailed || !completed;
    printResult(m_port, m_controller.transferStatus());
    QTimer::singleShot(0, &m_controller, [this] { startOnNextPort(); });
}

int CtlRun::upload()
{
    if (!loadProject())
        return kExitFailed;
    const UploadPlan plan = UploadPlan::of(m_controller.project());
    if (!plan.fits() && !m_arguments.clip) {
        printError(LinkTexts::overCapacity() + u'\n' + plan.overflowText() + u'\n' +
                   QStringLiteral("--clip を付けると、入る分だけを転送します。"));
        return kExitFailed;
    }
    // Brightness is no part of a project file; the card gets the script's.
    m_controller.typeText(GlobalList::Brightness, m_arguments.brightness);
    return runOnEachPort([this] { return m_controller.send(TransferCommands::Overflow::Clip); });
}

int CtlRun::setClock()
{
    if (!loadProject())
        return kExitFailed;
    return runOnEachPort([this] { return m_controller.sendClock(); });
}

int CtlRun::setText()
{
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
    QSaveFile file(m_arguments.out);
    if (!file.open(QIODevice::WriteOnly) || !renderLit(m_controller.project(), m).save(&file, "PNG") ||
        !file.commit()) {
        printError(QStringLiteral("書き出せません: %1").arg(m_arguments.out));
        return kExitFailed;
    }
    return 0;
}

int CtlRun::info()
{
    if (!loadProject())
        return kExitFailed;
    const ProjectSummary summary = ProjectSummary::of(m_controller.project());
    write(m_arguments.json ? QJsonDocument(summary.json()).toJson(QJsonDocument::Indented)
                           : summary.text().toUtf8());
    return 0;
}

int CtlRun::ports()
{
    QJsonArray array;
    QString text;
    for (const PortEntry& port : m_ports.scan()) {
        array.append(QJsonObject{{QStringLiteral("name"), port.name},
                                 {QStringLiteral("device"), port.device},
                                 {QStringLiteral("description"), port.description},
                                 {QStringLiteral("canOpen"), port.problem.isEmpty()},
                                 {QStringLiteral("problem"), port.problem}});
        const QString state = port.problem.isEmpty() ? QStringLiteral("開けます") : port.problem;
        text += QStringLiteral("%1\t%2\t%3\t%4\n").arg(port.name, port.device, port.description, state);
    }
    write(m_arguments.json ? QJsonDocument(array).toJson(QJsonDocument::Indented) : text.toUtf8());
    return 0;
}
