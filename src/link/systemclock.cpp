// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/systemclock.h"

QTime SystemClock::timeOfDay() const
{
    return QTime::currentTime();
}
