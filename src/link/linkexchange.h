// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/exchangeoutcome.h"

#include <QCoroTask>
#include <QObject>
#include <optional>

class LinkTime;
class LinkTimer;
class SerialLine;

// One exchange with the control card: opens the line, raises DTR and runs the steps of its
// protocol, paced by waits and drains that the event loop drives, so nothing blocks or spins.
// The transfer commands start it and close the line when it has finished.
class LinkExchange : public QObject {
    Q_OBJECT

public:
    LinkExchange(SerialLine& line, LinkTime& time, QObject* parent = nullptr);

    // finished() may come before start() returns, when the port cannot be opened. With the line
    // open, the exchange first keeps it quiet for quietFirstMs, the rest of the gap the card needs
    // after the exchange before.
    void start(qint64 quietFirstMs = 0);
    // Ends the exchange at its next wait or drain; finished() follows from the event loop.
    void stop();

signals:
    void progressChanged(int maximum, int value);
    void finished(ExchangeOutcome outcome);

protected:
    // The protocol after a successful open. Returns early once a wait or drain answers false.
    virtual QCoro::Task<> steps() = 0;

    void setProgressMaximum(int maximum) { m_progressMaximum = maximum; }
    void showProgress(int value);
    void send(const QByteArray& bytes);
    // True once more than ms milliseconds have passed; false when the exchange stopped meanwhile.
    [[nodiscard]] QCoro::Task<bool> waitMs(int ms);
    // True once every queued byte has left the line; false when it stopped, failed or stalled.
    // Pseudo-terminals and some drivers take bytes in bursts well ahead of the line; only a line
    // that falls behind 9600 baud counts as stalled.
    [[nodiscard]] QCoro::Task<bool> drain();

private:
    QCoro::Task<> run();
    // True once the line can carry bytes; false when it failed to get there or the exchange stopped.
    [[nodiscard]] QCoro::Task<bool> lineReady();
    void end(ExchangeOutcome outcome);
    void wakeSoon();

    [[nodiscard]] QCoro::Task<> sleep(qint64 ms);

    SerialLine& m_line;
    LinkTime& m_time;
    LinkTimer* m_timer = nullptr;
    std::optional<ExchangeOutcome> m_outcome; // set once the exchange must end early
    qint64 m_quietFirstMs = 0;
    int m_progressMaximum = 0;
    qint64 m_lineDueMs = 0; // when 9600 baud would have sent everything written so far
};
