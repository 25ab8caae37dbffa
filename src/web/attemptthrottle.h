// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

// Slows down guessing of the secret: after a wrong one, the address it came from is not heard
// again for a while, twice as long after each further wrong one, so that however many connections
// it opens it can try only a few secrets a minute. The right one clears its record.
class AttemptThrottle {
public:
    static constexpr qint64 kFirstWaitMs = 1000;
    static constexpr qint64 kLongestWaitMs = 60 * 1000;
    // Addresses remembered at the most; the oldest are forgotten first.
    static constexpr int kMaxAddresses = 4096;

    // How long the address must still wait before its next attempt is checked; 0 when it may try.
    [[nodiscard]] qint64 waitMs(const QString& address, qint64 nowMs) const;
    void failed(const QString& address, qint64 nowMs);
    void succeeded(const QString& address);

private:
    struct Record {
        int failures = 0;
        qint64 until = 0; // no attempt is checked before this moment
    };
    void forgetOldest(qint64 nowMs);

    QHash<QString, Record> m_records;
};
