// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/clock.h"
#include "link/systemclock.h"

#include <optional>

// The time a clock set sends: the one the script gave, else this computer's.
class FixedClock : public Clock {
public:
    explicit FixedClock(std::optional<QTime> at)
        : m_at(at)
    {
    }

    [[nodiscard]] QTime timeOfDay() const override { return m_at ? *m_at : m_system.timeOfDay(); }

private:
    std::optional<QTime> m_at;
    SystemClock m_system;
};
