// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardmemory.h"

#include <algorithm>

namespace {

constexpr qint64 kMsPerDay = 24LL * 60 * 60 * 1000;

} // namespace

std::span<const std::uint8_t> CardMemory::messageRow(int m, int row) const
{
    const CardMessage& message = messages.at(m);
    const qsizetype start = qsizetype(row) * rowLength + message.offset;
    const qsizetype available = std::clamp<qsizetype>(rows.size() - start, 0, message.length);
    if (available == 0)
        return {};
    return {reinterpret_cast<const std::uint8_t*>(rows.constData()) + start, std::size_t(available)};
}

CardClock CardMemory::clockAt(qint64 ms) const
{
    const qint64 setMs = clockSetTo ? clockSetTo->msecsSinceStartOfDay() : 0;
    const qint64 sinceMidnight = setMs + ms - clockSetAtMs;
    const qint64 days = sinceMidnight >= 0 ? sinceMidnight / kMsPerDay : (sinceMidnight + 1) / kMsPerDay - 1;
    return {QTime::fromMSecsSinceStartOfDay(int(sinceMidnight - days * kMsPerDay)), int(days)};
}
