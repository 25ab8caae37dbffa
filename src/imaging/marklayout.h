// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/markoverlay.h"

#include <optional>

struct GlobalSettings;

// Where the card puts its digits, as marks: the hour and minute marks in the clock message and
// the days mark in the countdown message, at eight pixels per position, sized for the screen
// height. The controller asks for them when a clock or countdown choice changes.
class MarkLayout {
public:
    struct Placement {
        int message = 0;
        QList<Mark> marks;
    };

    // Nothing when the choice is "None" or names no message.
    [[nodiscard]] static std::optional<Placement> clockMarks(const GlobalSettings& globals);
    [[nodiscard]] static std::optional<Placement> daysMark(const GlobalSettings& globals);

    // The message that the text of a message choice names, if it names one.
    [[nodiscard]] static std::optional<int> chosenMessage(const QString& choiceText);
};
