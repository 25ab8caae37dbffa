// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/ctlrun.h"

#include "ctl/ctltexts.h"
#include "ctl/litrender.h"
#include "ctl/previewwriter.h"
#include "ctl/projectsummary.h"
#include "ctl/settingchanges.h"
#include "files/grouplock.h"
#include "imaging/picturefiles.h"
#include "link/uploadestimate.h"
#include "settings/projectstorage.h"
#include "texts/linktexts.h"
#include "web/servicetexts.h"
#include "web/stopsignals.h"
#include "web/webservice.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTimer>
#include <algorithm>

CtlRun::CtlRun(CtlArguments arguments, QTextStream& output, QTextStream& errors, bool errorsToTerminal)
    : m_arguments(std::move(arguments))
    , m_output(output)
    , m_errors(errors)
    , m_errorsToTerminal(errorsToTerminal)
    , m_dialogs(errors)
    , m_clock(m_arguments.at)
    , m_controller(m_dialogs, m_line, m_ports, m_clock)
{
    // Nobody sees the clock and countdown marks here, and drawing them would need fonts.
    m_controller.setShowMarks(false);
}

CtlRun::~CtlRun() = default;

void CtlRun::printError(const QString& text)
{
    m_errors << text << Qt::endl;
}

void CtlRun::printResult(const QString& port, const QString& result)
{
    m_output << port << ": " << result << Qt::endl;
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
    case CtlArguments::Verb::Set:
        return set();
    case CtlArguments::Verb::Import:
        return importPicture();
    case CtlArguments::Verb::Export:
        return exportPicture();
    case CtlArguments::Verb::Render:
        return render();
    case CtlArguments::Verb::Preview:
        return preview();
    case CtlArguments::Verb::Info:
        return info();
    case CtlArguments::Verb::Ports:
        return ports();
    case CtlArguments::Verb::Serve:
        return serve();
    }
    return kExitFailed;
}

bool CtlRun::loadProject()
{
    return m_settings.loadFrom(m_arguments.project);
}

bool CtlRun::loadOrStartProject()
{
    // A new project gets ".ini" as the window's save dialog gives it; an existing file is the
    // project the script means, whatever its name.
    if (!QFileInfo::exists(m_arguments.project))
        m_arguments.project = ProjectStorage::withSettingsExtension(m_arguments.project);
    // Held until the run ends, so that two scripts changing one project take turns instead of
    // one saving over the other's change.
    m_hold = m_settings.hold(m_arguments.project);
    return m_hold && (!QFileInfo::exists(m_arguments.project) || loadProject());
}

int CtlRun::saveProject()
{
    return m_settings.saveTo(m_arguments.project) ? 0 : kExitFailed;
}

int CtlRun::runOnEachPort(std::function<bool()> start)
{
    // A person watching sees the steps; a script's log gets only results and failures.
    if (m_arguments.verbose || m_errorsToTerminal) {
        const auto printProgress = [this](int maximum, int value) {
            if (value > 0)
                m_errors << value << u'/' << maximum << Qt::endl;
        };
        QObject::connect(&m_controller, &Controller::uploadProgressChanged, &m_controller, printProgress);
        QObject::connect(&m_controller, &Controller::clockProgressChanged, &m_controller, printProgress);
    }
    QObject::connect(&m_controller, &Controller::transferFinished, &m_controller,
                     [this](bool completed) { portDone(completed); });
    m_start = std::move(start);
    m_portsLeft = m_arguments.ports;
    // Started from the running loop, so that an exchange that ends at once still ends the run.
    QTimer::singleShot(0, &m_controller, [this] { startOnNextPort(); });
    return m_loop.exec();
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
    m_loop.exit(m_anyFailed ? kExitFailed : 0);
}

qint64 CtlRun::quietLeftMs() const
{
    return m_controller.linkQuietLeftMs();
}

void CtlRun::portDone(bool completed)
{
    m_anyFailed = m_anyFailed || !completed;
    printResult(m_port, m_controller.transferStatus());
    QTimer::singleShot(0, &m_controller, [this] { startOnNextPort(); });
}

bool CtlRun::refusedPortTwice()
{
    m_controller.refreshPorts();
    QHash<QString, QString> seen; // port key -> the port as given
    for (const QString& port : std::as_const(m_arguments.ports)) {
        const QString key = m_controller.portKey(port);
        if (const auto first = seen.constFind(key); first != seen.cend()) {
            printError(*first == port ? CtlTexts::portTwice(port) : CtlTexts::samePort(*first, port));
            return true;
        }
        seen.insert(key, port);
    }
    return false;
}

int CtlRun::upload()
{
    if (refusedPortTwice())
        return kExitUsage;
    if (!loadProject())
        return kExitFailed;
    const UploadEstimate upload = UploadEstimate::of(m_controller.project());
    if (!upload.fits() && !m_arguments.clip) {
        printError(upload.overCapacityText(CtlTexts::clipHint()));
        return kExitFailed;
    }
    // Brightness is no part of a project file; the card gets the script's.
    m_controller.typeText(GlobalList::Brightness, m_arguments.brightness);
    return runOnEachPort([this] { return m_controller.send(TransferCommands::Overflow::Clip); });
}

int CtlRun::setClock()
{
    if (refusedPortTwice())
        return kExitUsage;
    if (!loadProject())
        return kExitFailed;
    return runOnEachPort([this] { return m_controller.sendClock(); });
}

int CtlRun::setText()
{
    if (!loadOrStartProject())
        return kExitFailed;
    m_controller.selectTab(m_arguments.message);
    m_controller.setMessageText(m_arguments.message, m_arguments.text);
    SettingChanges::applyToMessage(m_controller, m_arguments.message, m_arguments.messageChanges);
    m_controller.adoptText();
    return saveProject();
}

int CtlRun::set()
{
    if (!loadOrStartProject())
        return kExitFailed;
    const bool anyMessageChange =
        std::any_of(m_arguments.messageGroups.cbegin(), m_arguments.messageGroups.cend(),
                    [](const MessageGroup& group) { return group.changes.any(); });
    if (!anyMessageChange && !m_arguments.globalChanges.any())
        return 0;
    for (const MessageGroup& group : m_arguments.messageGroups)
        SettingChanges::applyToMessage(m_controller, group.message, group.changes);
    if (const auto refused = SettingChanges::applyToSign(m_controller, m_arguments.globalChanges)) {
        printError(*refused);
        return kExitFailed;
    }
    return saveProject();
}

int CtlRun::importPicture()
{
    if (!loadOrStartProject())
        return kExitFailed;
    m_controller.selectTab(m_arguments.message);
    return m_controller.importPictureFrom(m_arguments.picture) ? saveProject() : kExitFailed;
}

int CtlRun::exportPicture()
{
    if (!loadProject())
        return kExitFailed;
    m_controller.selectTab(m_arguments.message);
    return m_controller.exportPictureTo(m_arguments.out) ? 0 : kExitFailed;
}

int CtlRun::render()
{
    if (!loadProject())
        return kExitFailed;
    const int m = m_arguments.message;
    if (m_controller.project().msgLen()[m] == 0) {
        printError(CtlTexts::emptyMessage(m));
        return kExitFailed;
    }
    const QByteArray format = PictureFiles::formatForName(m_arguments.out).value_or("PNG");
    const QString reason =
        PictureFiles::write(renderLit(m_controller.project(), m), m_arguments.out, format.constData());
    if (!reason.isEmpty()) {
        printError(CtlTexts::cannotWrite(m_arguments.out, reason));
        return kExitFailed;
    }
    return 0;
}

int CtlRun::preview()
{
    if (!loadProject())
        return kExitFailed;
    const auto failure = writePreview(
        m_controller.project(),
        {{m_arguments.message, m_arguments.seconds, m_arguments.scale, m_arguments.out, m_arguments.frames},
         m_clock.timeOfDay()});
    if (failure)
        printError(*failure);
    return failure ? kExitFailed : 0;
}

int CtlRun::info()
{
    if (!loadProject())
        return kExitFailed;
    const ProjectSummary summary = ProjectSummary::of(m_controller.project());
    const QByteArray json = QJsonDocument(summary.json()).toJson(QJsonDocument::Indented);
    const QString output = m_arguments.json ? QString::fromUtf8(json) : summary.text();
    m_output << output << Qt::flush;
    return 0;
}

int CtlRun::ports()
{
    QJsonArray array;
    QString text;
    for (const PortEntry& port : m_ports.scan()) {
        array.append(QJsonObject{
            {QStringLiteral("name"), port.name},
            {QStringLiteral("device"), port.device},
            {QStringLiteral("description"), port.description},
            {QStringLiteral("canOpen"), port.problem.isEmpty()},
            {QStringLiteral("problem"), port.problem.isEmpty() ? QJsonValue() : QJsonValue(port.problem)}});
        const QString state = port.problem.isEmpty() ? CtlTexts::portOpens() : port.problem;
        text += QStringLiteral("%1\t%2\t%3\t%4\n").arg(port.name, port.device, port.description, state);
    }
    const QString output =
        m_arguments.json ? QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)) : text;
    m_output << output << Qt::flush;
    return 0;
}

int CtlRun::serve()
{
    const auto settings = ServeSettings::of(m_arguments);
    if (const auto* refused = std::get_if<QString>(&settings)) {
        printError(*refused);
        return kExitFailed;
    }
    WebService service(std::get<ServeSettings>(settings));
    if (const QString refused = service.start(); !refused.isEmpty()) {
        printError(refused);
        return kExitFailed;
    }
    m_output << ServiceTexts::serving(service.url()) << Qt::endl;
    const StopSignals stop;
    QObject::connect(&stop, &StopSignals::received, &m_loop, [this] { m_loop.exit(0); });
    return m_loop.exec();
}
