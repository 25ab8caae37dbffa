// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/exchangeoutcome.h"
#include "link/exchangespacing.h"

#include <QObject>
#include <QString>

class Clock;
class Dialogs;
class LinkExchange;
class LinkTime;
class PortList;
class Project;
class SerialLine;
class TransferStatus;

// The operator's two commands that talk to the card, with their guards: nothing while an exchange
// holds the line open, no upload of an empty project, no exchange without a valid port name, no
// upload that the card's memory cannot hold without the operator's word. The line is closed after
// every exchange, however it ended, and the next exchange on the same port keeps the gap the card
// needs after it.
class TransferCommands : public QObject {
    Q_OBJECT

public:
    // What an upload does with messages that do not fit the card's memory.
    enum class Overflow {
        Ask,  // names them and asks whether to go on
        Clip, // sends what fits, as the card has always been sent
    };

    TransferCommands(Project& project, SerialLine& line, Dialogs& dialogs, PortList& ports,
                     const Clock& clock, LinkTime& time, QObject* parent = nullptr);

    // Both answer whether an exchange has started; finished() follows when it has ended.
    bool send(Overflow overflow = Overflow::Ask);
    bool sendClock();
    // Looks at the machine's ports again and points the line at what the chosen or typed port
    // stands for; tells the operator when the text names no port at all.
    [[nodiscard]] bool readComSet();
    // Stops a running exchange and closes the line at once.
    void abort();

    // What the last exchange did, or how long the running upload has left.
    [[nodiscard]] QString status() const;
    void clearStatus();
    // How long the ports used so far must stay quiet before a card on them takes a new exchange.
    [[nodiscard]] qint64 quietLeftMs() const { return m_spacing.longestWaitMs(); }

signals:
    void uploadProgressChanged(int maximum, int value);
    void clockProgressChanged(int maximum, int value);
    void statusChanged(const QString& text);
    void finished(bool completed);

private:
    [[nodiscard]] bool refusedWhileBusy();
    [[nodiscard]] bool refusedAsEmpty();
    [[nodiscard]] bool refusedAsTooLarge(Overflow overflow);
    void start(LinkExchange* exchange);
    void exchangeFinished(LinkExchange* exchange, ExchangeOutcome outcome);
    // The port and the system's reason, for the detail of a failure.
    [[nodiscard]] QString failureDetail() const;

    Project& m_project;
    SerialLine& m_line;
    Dialogs& m_dialogs;
    PortList& m_ports;
    const Clock& m_clock;
    LinkTime& m_time;
    TransferStatus* m_status = nullptr;
    ExchangeSpacing m_spacing{m_time};
    LinkExchange* m_exchange = nullptr;
    QString m_portText; // as chosen or typed for the exchange running or last run
    QString m_device;   // what the line opened for it
};
