// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/exchangespacing.h"

#include "link/linkconstants.h"
#include "link/linktime.h"
#include "link/portnames.h"

#include <QFileInfo>
#include <algorithm>

ExchangeSpacing::ExchangeSpacing(const LinkTime& time)
    : m_time(time)
{
}

void ExchangeSpacing::ended(const QString& device)
{
    m_endedAtMs.insert(portKey(device), m_time.elapsedMs());
}

qint64 ExchangeSpacing::waitMs(const QString& device) const
{
    const auto ended = m_endedAtMs.constFind(portKey(device));
    if (ended == m_endedAtMs.cend())
        return 0;
    return std::max<qint64>(0, *ended + Link::kQuietBetweenExchangesMs - m_time.elapsedMs());
}

qint64 ExchangeSpacing::longestWaitMs() const
{
    qint64 longest = 0;
    for (auto ended = m_endedAtMs.cbegin(); ended != m_endedAtMs.cend(); ++ended)
        longest = std::max(longest, waitMs(ended.key()));
    return longest;
}

QString ExchangeSpacing::portKey(const QString& device)
{
    if (const auto address = PortNames::networkAddress(device))
        return QStringLiteral("tcp://%1:%2").arg(address->host).arg(address->port);
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}
