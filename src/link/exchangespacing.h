// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

class LinkTime;

// The gap a card needs between two exchanges on one port. After the last row of an upload the
// card cannot tell a 16-row sign from the first half of a 32-row one until the line has been quiet
// for a while; a greeting that comes sooner is taken as row data, and both uploads are lost. This
// remembers when the last exchange on each port ended and tells how long the next one on it waits.
// Whatever starts exchanges one after another keeps one: the transfer commands of the window and
// of the command line, and a service that serves several requests.
class ExchangeSpacing {
public:
    explicit ExchangeSpacing(const LinkTime& time);

    void ended(const QString& device);
    [[nodiscard]] qint64 waitMs(const QString& device) const;
    // Until every port used so far may take a new exchange.
    [[nodiscard]] qint64 longestWaitMs() const;

    // One text for every name of one port: a device path with its links followed, a network
    // address as its host and port.
    [[nodiscard]] static QString portKey(const QString& device);

private:
    const LinkTime& m_time;
    QHash<QString, qint64> m_endedAtMs;
};
