// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/exchangeoutcome.h"

#include <QObject>

class Clock;
class Dialogs;
class LinkExchange;
class PortCatalogue;
class Project;
class SerialLine;

// The operator's two commands that talk to the card, with their guards: nothing while an exchange
// holds the line open, no upload of an empty project, no exchange without a valid port name. The
// line is closed after every exchange, however it ended.
class TransferCommands : public QObject {
    Q_OBJECT

public:
    TransferCommands(Project& project, SerialLine& line, Dialogs& dialogs, const PortCatalogue& catalogue,
                     const Clock& clock, QObject* parent = nullptr);

    // Both answer whether an exchange has started; finished() follows when it has ended.
    bool send();
    bool sendClock();
    // Points the line at the device of the chosen port name; tells the operator when the name is
    // not one of "COM1" ... "COM32".
    [[nodiscard]] bool readComSet();
    // Stops a running exchange and closes the line at once.
    void abort();

signals:
    void uploadProgressChanged(int maximum, int value);
    void clockProgressChanged(int maximum, int value);
    void finished(bool completed);

private:
    [[nodiscard]] bool refusedWhileBusy();
    void start(LinkExchange* exchange);
    void exchangeFinished(LinkExchange* exchange, ExchangeOutcome outcome);
    void report(ExchangeOutcome outcome);

    Project& m_project;
    SerialLine& m_line;
    Dialogs& m_dialogs;
    const PortCatalogue& m_catalogue;
    const Clock& m_clock;
    LinkExchange* m_exchange = nullptr;
};
