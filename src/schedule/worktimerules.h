// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The daily work-time window is kept as minutes after midnight and shown as "hh:mm".
namespace WorkTimeRules {

inline constexpr int kArrowStep = 1;
inline constexpr int kPageStep = 10;

[[nodiscard]] QString minutesToHhMm(int minutes);

// Minutes kept inside 0 .. 1439; the time fields stop at either end instead of wrapping.
[[nodiscard]] int clampMinutes(long long minutes);

// A typed time, H:MM or HH:MM from 0:00 to 23:59, blanks around it aside. Nothing for anything
// else: "2130" or "7:5" is not read as some other time.
[[nodiscard]] std::optional<int> parseTypedTime(QStringView typed);

} // namespace WorkTimeRules
