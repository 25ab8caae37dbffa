// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transfercommands.h"

#include "dialogs/dialogs.h"
#include "dialogs/linktexts.h"
#include "dialogs/messagetexts.h"
#include "link/clockexchange.h"
#include "link/portcatalogue.h"
#include "link/portnames.h"
#include "link/serialline.h"
#include "link/uploadexchange.h"
#include "model/project.h"

TransferCommands::TransferCommands(Project& project, SerialLine& line, Dialogs& dialogs,
                                   const PortCatalogue& catalogue, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_project(project)
    , m_line(line)
    , m_dialogs(dialogs)
    , m_catalogue(catalogue)
    , m_clock(clock)
{
}

bool TransferCommands::send()
{
    if (refusedWhileBusy())
        return false;
    if (m_project.totalLen() < 1) {
        m_dialogs.tell(LinkTexts::noTextTitle(), LinkTexts::noText());
        return false;
    }
    if (!readComSet())
        return false;
    auto* exchange = new UploadExchange(m_project, m_line, this);
    connect(exchange, &LinkExchange::progressChanged, this, &TransferCommands::uploadProgressChanged);
    start(exchange);
    return true;
}

bool TransferCommands::sendClock()
{
    if (refusedWhileBusy() || !readComSet())
        return false;
    auto* exchange = new ClockExchange(m_project, m_clock, m_line, this);
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
