// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/clock.h"

// The computer's wall-clock time of day.
class SystemClock : public Clock {
public:
    [[nodiscard]] QTime timeOfDay() const override;
};
