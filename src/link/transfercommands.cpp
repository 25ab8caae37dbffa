// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transfercommands.h"

#include "dialogs/dialogs.h"
#include "link/clockexchange.h"
#include "link/portaccess.h"
#include "link/portlist.h"
#include "link/serialline.h"
#include "link/transferstatus.h"
#include "link/uploadestimate.h"
#include "link/uploadexchange.h"
#include "model/project.h"
#include "texts/linktexts.h"
#include "texts/messagetexts.h"

namespace {

struct Failure {
    QString title;
    QString text;
};

[[nodiscard]] Failure failureOf(ExchangeOutcome outcome)
{
    switch (outcome) {
    case ExchangeOutcome::PortUnavailable:
        return {MessageTexts::warningTitle(), LinkTexts::portUnavailable()};
    case ExchangeOutcome::NotOpened:
        return {MessageTexts::errorTitle(), LinkTexts::notOpened()};
    case ExchangeOutcome::LineFailed:
        return {MessageTexts::errorTitle(), LinkTexts::lineFailed()};
    case ExchangeOutcome::LineStalled:
        return {MessageTexts::errorTitle(), LinkTexts::lineStalled()};
    case ExchangeOutcome::Aborted:
        return {{}, LinkTexts::aborted()};
    case ExchangeOutcome::Completed:
        break;
    }
    return {};
}

} // namespace

TransferCommands::TransferCommands(Project& project, SerialLine& line, Dialogs& dialogs, PortList& ports,
                                   const Clock& clock, LinkTime& time, QObject* parent)
    : QObject(parent)
    , m_project(project)
    , m_line(line)
    , m_dialogs(dialogs)
    , m_ports(ports)
    , m_clock(clock)
    , m_time(time)
    , m_status(new TransferStatus(time, this))
{
    connect(m_status, &TransferStatus::changed, this, &TransferCommands::statusChanged);
}

bool TransferCommands::send(Overflow overflow)
{
    if (refusedWhileBusy() || refusedAsEmpty() || !readComSet() || refusedAsTooLarge(overflow))
        return false;
    auto* exchange = new UploadExchange(m_project, m_line, m_time, this);
    connect(exchange, &LinkExchange::progressChanged, this, &TransferCommands::uploadProgressChanged);
    m_status->uploadStarted(qRound64(UploadEstimate::of(m_project).seconds * 1000) +
                            m_spacing.waitMs(m_device));
    start(exchange);
    return true;
}

bool TransferCommands::sendClock()
{
    if (refusedWhileBusy() || !readComSet())
        return false;
    auto* exchange = new ClockExchange(m_project, m_clock, m_line, m_time, this);
    connect(exchange, &LinkExchange::progressChanged, this, &TransferCommands::clockProgressChanged);
    m_status->clockSetStarted();
    start(exchange);
    return true;
}

bool TransferCommands::readComSet()
{
    m_ports.rescan(false);
    const QString text = m_project.globals().port.text();
    const std::optional<QString> device = m_ports.device(text);
    if (!device) {
        m_dialogs.tell(MessageTexts::errorTitle(), LinkTexts::badPortName(), text);
        return false;
    }
    m_portText = text;
    m_device = *device;
    m_line.setPortName(m_device);
    return true;
}

void TransferCommands::abort()
{
    if (m_exchange)
        m_exchange->stop();
    m_line.close();
}

bool TransferCommands::refusedWhileBusy()
{
    if (!m_line.isOpen())
        return false;
    m_dialogs.tell(MessageTexts::busyTitle(), MessageTexts::busy());
    return true;
}

bool TransferCommands::refusedAsEmpty()
{
    if (m_project.totalLen() >= 1)
        return false;
    // A typed text shows on the card only once it is adopted; new operators miss that step.
    bool typed = false;
    for (int m = 0; m < kMessageCount; ++m) {
        const QString text = m_project.message(m).text.trimmed();
        typed = typed || (!text.isEmpty() && text != MessageSettings(m).text.trimmed());
    }
    m_dialogs.tell(LinkTexts::noTextTitle(),
                   typed ? LinkTexts::noText() + u'\n' + LinkTexts::adoptFirst() : LinkTexts::noText());
    return true;
}

bool TransferCommands::refusedAsTooLarge(Overflow overflow)
{
    const UploadEstimate upload = UploadEstimate::of(m_project);
    if (upload.fits() || overflow == Overflow::Clip)
        return false;
    return !m_dialogs.askYesNo(MessageTexts::warningTitle(),
                               upload.overCapacityText(LinkTexts::sendAnyway()));
}

void TransferCommands::start(LinkExchange* exchange)
{
    m_exchange = exchange;
    connect(exchange, &LinkExchange::finished, this,
            [this, exchange](ExchangeOutcome outcome) { exchangeFinished(exchange, outcome); });
    exchange->start(m_spacing.waitMs(m_device));
}

void TransferCommands::exchangeFinished(LinkExchange* exchange, ExchangeOutcome outcome)
{
    exchange->deleteLater();
    // An aborted exchange that ends after the next one has started leaves that one alone.
    if (exchange != m_exchange)
        return;
    m_exchange = nullptr;
    const QString detail = failureDetail();
    m_line.close();
    if (outcome != ExchangeOutcome::PortUnavailable && outcome != ExchangeOutcome::NotOpened)
        m_spacing.ended(m_device);
    Failure failure = failureOf(outcome);
    // A network line knows better what went wrong than "in use or missing" or "lost".
    if (!failure.title.isEmpty() && !m_line.failure().isEmpty())
        failure.text = m_line.failure();
    m_status->showEnded(failure.text);
    if (!failure.title.isEmpty())
        m_dialogs.tell(failure.title, failure.text, detail);
    emit finished(outcome == ExchangeOutcome::Completed);
}

void TransferCommands::clearStatus()
{
    m_status->clear();
}

QString TransferCommands::status() const
{
    return m_status->text();
}

QString TransferCommands::failureDetail() const
{
    const QString port = m_device.isEmpty() || m_device == m_portText
                             ? m_portText
                             : QStringLiteral("%1 (%2)").arg(m_portText, m_device);
    const QString permission = PortAccess::permissionProblem(m_device);
    const QString reason = permission.isEmpty() ? m_line.errorString() : permission;
    return reason.isEmpty() ? port : port + u'\n' + reason;
}
