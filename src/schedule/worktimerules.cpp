// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/worktimerules.h"

#include "model/limits.h"

#include <QRegularExpression>
#include <algorithm>

namespace WorkTimeRules {

namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;

} // namespace

QString minutesToHhMm(int minutes)
{
    const int clamped = clampMinutes(minutes);
    return QStringLiteral("%1:%2")
        .arg(clamped / kMinutesPerHour, 2, 10, QLatin1Char('0'))
        .arg(clamped % kMinutesPerHour, 2, 10, QLatin1Char('0'));
}

int clampMinutes(long long minutes)
{
    return static_cast<int>(std::clamp<long long>(minutes, 0, kMinuteOfDayMax));
}

std::optional<int> parseTypedTime(QStringView typed)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2}):([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(typed.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.capturedView(1).toInt();
    const int minutes = match.capturedView(2).toInt();
    if (hours > kLastHour || minutes > kLastMinute)
        return std::nullopt;
    return hours * kMinutesPerHour + minutes;
}

} // namespace WorkTimeRules
