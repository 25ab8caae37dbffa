// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/worktimerules.h"

#include "model/limits.h"
#include "model/textnumbers.h"

#include <algorithm>

namespace WorkTimeRules {

QString minutesToHhMm(int minutes)
{
    const int clamped = clampMinutes(minutes);
    return QStringLiteral("%1:%2")
        .arg(clamped / 60, 2, 10, QLatin1Char('0'))
        .arg(clamped % 60, 2, 10, QLatin1Char('0'));
}

int clampMinutes(long long minutes)
{
    return static_cast<int>(std::clamp<long long>(minutes, 0, kMinuteOfDayMax));
}

std::optional<int> parseTypedTime(QStringView typed)
{
    const QString padded = (QStringLiteral("0000") + typed.toString()).right(5);
    const double hours = numericValue(QStringView(padded).left(2));
    const double minutes = numericValue(QStringView(padded).right(2));
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        return std::nullopt;
    return static_cast<int>(roundHalfEven(hours * 60 + minutes));
}

} // namespace WorkTimeRules
