// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/clock.h"

// A clock that shows whatever time the test sets.
class FakeClock : public Clock {
public:
    QTime time{12, 0, 0};

    QTime timeOfDay() const override { return time; }
};
