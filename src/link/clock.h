// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTime>

// The local time of day, for the clock set and the clock display.
class Clock {
public:
    virtual ~Clock() = default;

    [[nodiscard]] virtual QTime timeOfDay() const = 0;
};
