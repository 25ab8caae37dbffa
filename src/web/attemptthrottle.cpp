// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/attemptthrottle.h"

#include <algorithm>

qint64 AttemptThrottle::waitMs(const QString& address, qint64 nowMs) const
{
    const auto record = m_records.constFind(address);
    return record == m_records.cend() ? 0 : std::max<qint64>(0, record->until - nowMs);
}

void AttemptThrottle::failed(const QString& address, qint64 nowMs)
{
    if (!m_records.contains(address) && m_records.size() >= kMaxAddresses)
        forgetOldest(nowMs);
    Record& record = m_records[address];
    record.failures = std::min(record.failures + 1, 30);
    record.until = nowMs + std::min(kLongestWaitMs, kFirstWaitMs << (record.failures - 1));
}

void AttemptThrottle::succeeded(const QString& address)
{
    m_records.remove(address);
}

void AttemptThrottle::forgetOldest(qint64 nowMs)
{
    // Those whose wait is over first, else the one whose wait ends soonest.
    auto oldest = m_records.begin();
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        if (it->until <= nowMs) {
            oldest = it;
            break;
        }
        if (it->until < oldest->until)
            oldest = it;
    }
    m_records.erase(oldest);
}
