// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// One upload or clock set that the service runs for a request, on one port or on each served port
// in turn, as it stands: the port it is on, how far it has come, the status line the window would
// show, and how it ended on each port.
struct ExchangeJob {
    enum class Kind { Upload, ClockSet };
    enum class State { Running, Completed, Failed };

    struct PortResult {
        QString port;
        bool completed = false;
        QString status;   // the status line as the exchange ended
        QStringList told; // what went wrong, as the window would tell it
    };

    int id = 0;
    Kind kind = Kind::Upload;
    State state = State::Running;
    QStringList ports;
    int portIndex = 0; // of the port the exchange runs on
    int progressMaximum = 0;
    int progressValue = 0;
    qint64 estimatedMs = 0; // of the upload on this port, from its start
    qint64 startedMs = 0;   // on the service's steady clock
    QString status;
    QList<PortResult> results;

    // "secondsLeft" counts by the reckoning of the status line, from the time given.
    [[nodiscard]] QJsonObject json(qint64 nowMs) const;
};
