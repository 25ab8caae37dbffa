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
    const QString padded = (QString(kTypedLength - 1, u'0') + typed.toString()).right(kTypedLength);
    // The padding zeros are not the operator's: an hour or minute place that got no typed digit
    // ("7:", "ab:cd", an empty field) is no time at all, not midnight.
    const qsizetype firstTyped = kTypedLength - std::min<qsizetype>(typed.size(), kTypedLength);
    const auto typedDigitIn = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = std::max(from, firstTyped); i < to; ++i) {
            if (padded.at(i) >= u'0' && padded.at(i) <= u'9')
                return true;
        }
        return false;
    };
    if (!typedDigitIn(0, 2) || !typedDigitIn(kTypedLength - 2, kTypedLength))
        return std::nullopt;
    const double hours = numericValue(QStringView(padded).left(2));
    const double minutes = numericValue(QStringView(padded).right(2));
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        return std::nullopt;
    return static_cast<int>(roundHalfEven(hours * 60 + minutes));
}

} // namespace WorkTimeRules
