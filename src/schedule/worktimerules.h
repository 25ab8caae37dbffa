// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The daily work-time window is kept as minutes after midnight and shown as "hh:mm".
namespace WorkTimeRules {

inline constexpr int kArrowStep = 1;
inline constexpr int kPageStep = 10;
inline constexpr int kTypedLength = 5; // "hh:mm"

[[nodiscard]] QString minutesToHhMm(int minutes);

// Minutes kept inside 0 .. 1439; the time fields stop at either end instead of wrapping.
[[nodiscard]] int clampMinutes(long long minutes);

// A typed time: padded with zeros on the left to five characters, hours from the first two and
// minutes from the last two (the middle one is not looked at). Nothing when out of range or when
// the hour or the minute places hold no typed digit.
[[nodiscard]] std::optional<int> parseTypedTime(QStringView typed);

} // namespace WorkTimeRules
