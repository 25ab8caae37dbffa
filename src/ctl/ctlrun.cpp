// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/ctlrun.h"

#include "ctl/litrender.h"
#include "ctl/previewwriter.h"
#include "ctl/projectsummary.h"
#include "dialogs/ctltexts.h"
#include "schedule/alternation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTimer>
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
    }
    return kExitFailed;
}

bool CtlRun::loadProject()
{
    return m_controller.loadFrom(m_arguments.project);
}

bool CtlRun::loadOrStartProject()
{
    return !QFileInfo::exists(m_arguments.project) || loadProject();
}

int CtlRun::saveProject()
{
    return m_controller.saveTo(m_arguments.project) ? 0 : kExitFailed;
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

int CtlRun::runExchange(bool (Controller::*start)())
{
    const auto printProgress = [](int maximum, int value) {
        if (value > 0)
            std::fprintf(stderr, "%d/%d\n", value, maximum);
    };
    QObject::connect(&m_controller, &Controller::progressBar1Changed, &m_controller, printProgress);
    QObject::connect(&m_controller, &Controller::progressBar2Changed, &m_controller, printProgress);
    QObject::connect(&m_controller, &Controller::transferFinished, &m_controller,
                     [](bool completed) { QCoreApplication::exit(completed ? 0 : kExitFailed); });
    QTimer::singleShot(0, &m_controller, [this, start] {
        if (!(m_controller.*start)())
            QCoreApplication::exit(kExitFailed);
    });
    return QCoreApplication::exec();
}

int CtlRun::upload()
{
    if (!loadProject() || !choosePort())
        return kExitFailed;
    // Brightness is no part of a project file; the card gets the script's.
    m_controller.typeText(GlobalList::Brightness, m_arguments.brightness);
    return runExchange(&Controller::send);
}

int CtlRun::setClock()
{
    if (!loadProject() || !choosePort())
        return kExitFailed;
    return runExchange(&Controller::sendClock);
}

int CtlRun::setText()
{
    if (!loadOrStartProject())
        return kExitFailed;
    m_controller.selectTab(m_arguments.message);
    m_controller.setMessageText(m_arguments.message, m_arguments.text);
    applyMessageChanges();
    m_controller.adoptText();
    return saveProject();
}

int CtlRun::set()
{
    if (!loadOrStartProject())
        return kExitFailed;
    if (!m_arguments.messageChanges.any() && !m_arguments.globalChanges.any())
        return 0;
    applyMessageChanges();
    return applyGlobalChanges() ? saveProject() : kExitFailed;
}

void CtlRun::applyMessageChanges()
{
    const MessageChanges& changes = m_arguments.messageChanges;
    const int m = m_arguments.message;
    if (changes.mode)
        m_controller.chooseEntry(m, MessageList::Mode, *changes.mode);
    if (changes.speed)
        m_controller.chooseEntry(m, MessageList::Speed, *changes.speed);
    if (changes.flash)
        m_controller.setFlash(m, *changes.flash);
    if (changes.frame)
        m_controller.setLoopLamp(m, *changes.frame);
    if (changes.font)
        m_controller.setFontName(m, *changes.font);
    if (changes.size)
        m_controller.typeText(m, MessageList::FontSize, *changes.size);
    if (changes.bold)
        m_controller.setBold(m, *changes.bold);
    if (changes.adjust) {
        m_controller.setAdjustBar(m, *changes.adjust);
        m_controller.setTopAdjText(m, QString::number(*changes.adjust));
    }
}

bool CtlRun::applyGlobalChanges()
{
    const GlobalChanges& changes = m_arguments.globalChanges;
    for (const auto& [list, index] : changes.entries)
        m_controller.chooseEntry(list, index);
    if (changes.countdownDays)
        m_controller.setCountdownDays(*changes.countdownDays);
    if (const auto& workTime = changes.workTime) {
        // "off" keeps the window the project has; only the switch changes.
        if (workTime->enabled) {
            m_controller.setStartMinutes(workTime->start);
            m_controller.setEndMinutes(workTime->end);
        }
        m_controller.setWorkTimeEnabled(workTime->enabled);
    }
    if (const auto& group = changes.alternation) {
        m_controller.setAltRun(group->begin, group->count);
        // The chain rule undoes a group that cannot be: one starting at the last message.
        if (Alternation::findAltGroup(m_controller.project().altBoxes()) != *group) {
            printError(CtlTexts::alternationRefused(group->begin));
            return false;
        }
    }
    return true;
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
    const QByteArray output = m_arguments.json ? QJsonDocument(summary.json()).toJson(QJsonDocument::Indented)
                                               : summary.text().toUtf8();
    std::fwrite(output.constData(), 1, std::size_t(output.size()), stdout);
    return 0;
}
