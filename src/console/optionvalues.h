// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/alternation.h"

#include <QString>
#include <QStringList>
#include <optional>

// How the texts a script gives become the values the window's controls would hold. Each answers
// nothing for a text that names no such value, so the caller can refuse it and name the option.
namespace OptionValues {

// The longest recording of the sign and the widest LED pitch that `preview` and the virtual card
// write.
constexpr int kRecordingSecondsMax = 600;
constexpr int kRecordingScaleMax = 32;

// A whole decimal number within min..max.
[[nodiscard]] std::optional<int> wholeNumber(const QString& text, int min, int max);

// The position of the entry that the text equals, as choosing it from the list would select.
[[nodiscard]] std::optional<int> entryIndex(const QStringList& items, const QString& text);

// A show mode of the message: its entry number, its Japanese entry or its English name
// ("left", "right", "up", "down", "fixed", "stack", "split", "animation").
[[nodiscard]] std::optional<int> showMode(const QString& text, int message);

// "none" or a message number, as the entry of the clock or countdown message list.
[[nodiscard]] std::optional<int> messageChoice(const QString& text);

// "HH:MM-HH:MM" switches the work time on for that window; "off" switches it off and keeps the
// window.
struct WorkTimeChange {
    bool enabled = false;
    int start = 0; // minutes after midnight
    int end = 0;
};
[[nodiscard]] std::optional<WorkTimeChange> workTime(const QString& text);

// "FIRST-LAST" as a run of messages, "off" as no group.
[[nodiscard]] std::optional<AltGroup> alternation(const QString& text);

} // namespace OptionValues
