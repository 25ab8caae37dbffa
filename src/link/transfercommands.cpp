#include "link/transfercommands.h"

#include "dialogs/dialogs.h"
#include "dialogs/linktexts.h"
#include "dialogs/messagetexts.h"
#include "link/clockexchange.h"
#include "link/portcatalogue.h"
#include "link/portnames.h"
#include "link/serialline.h"
#include "link/uploadexchange.h"
#include "link/uploadplan.h"
#include "model/project.h"

TransferCommands::TransferCommands(Project& project, SerialLine& line, Dialogs& dialogs,
                                   const PortCatalogue& catalogue, const Clock& clock, LinkTime& time,
                                   QObject* parent)
    : QObject(parent)
    , m_project(project)
    , m_line(line)
    , m_dialogs(dialogs)
    , m_catalogue(catalogue)
    , m_clock(clock)
    , m_time(time)
{
}

bool TransferCommands::send(Overflow overflow)
{
    if (refusedWhileBusy() || refusedAsEmpty() || !readComSet() || refusedAsTooLarge(overflow))
        return false;
    auto* exchange = new UploadExchange(m_project, m_line, m_time, this);
    connect(exchange, &LinkExchange::progressChanged, this, &TransferCommands::uploadProgressChanged);
    start(exchange);
    return true;
}

bool TransferCommands::sendClock()
{
    if (refusedWhileBusy() || !readComSet())
        return false;
    auto* exchange = new ClockExchange(m_project, m_clock, m_line, m_time, this);
    connect(exchange, &LinkExchange::progressChanged, this, &TransferCommands::clockProgressChanged);
    start(exchange);
    return true;
}

bool TransferCommands::readComSet()
{
    const QString name = m_project.globals().port.text();
    if (!PortNames::comPortNumber(name)) {
        m_dialogs.tell(MessageTexts::errorTitle(), LinkTexts::badPortName());
        return false;
    }
    m_line.setPortName(m_catalogue.device(name));
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
    const UploadPlan plan = UploadPlan::of(m_project);
    if (plan.fits() || overflow == Overflow::Clip)
        return false;
    const QString question =
        LinkTexts::overCapacity() + u'\n' + plan.overflowText() + u'\n' + LinkTexts::sendAnyway();
    return !m_dialogs.askYesNo(MessageTexts::warningTitle(), question);
}

void TransferCommands::start(LinkExchange* exchange)
{
    m_exchange = exchange;
    connect(exchange, &LinkExchange::finished, this,
            [this, exchange](ExchangeOutcome outcome) { exchangeFinished(exchange, outcome); });
    exchange->start();
}

void TransferCommands::exchangeFinished(LinkExchange* exchange, ExchangeOutcome outcome)
{
    exchange->deleteLater();
    // An aborted exchange that ends after the next one has started leaves that one alone.
    if (exchange != m_exchange)
        return;
    m_exchange = nullptr;
    m_line.close();
    report(outcome);
    emit finished(outcome == ExchangeOutcome::Completed);
}

void TransferCommands::report(ExchangeOutcome outcome)
{
    switch (outcome) {
    case ExchangeOutcome::PortUnavailable:
        m_dialogs.tell(MessageTexts::warningTitle(), LinkTexts::portUnavailable());
        break;
    case ExchangeOutcome::NotOpened:
        m_dialogs.tell(MessageTexts::errorTitle(), LinkTexts::notOpened());
        break;
    case ExchangeOutcome::LineFailed:
        m_dialogs.tell(MessageTexts::errorTitle(), LinkTexts::lineFailed());
        break;
    case ExchangeOutcome::LineStalled:
        m_dialogs.tell(MessageTexts::errorTitle(), LinkTexts::lineStalled());
        break;
    case ExchangeOutcome::Completed:
    case ExchangeOutcome::Aborted:
        break;
    }
}
