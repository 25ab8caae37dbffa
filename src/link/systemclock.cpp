#include "link/systemclock.h"

QTime SystemClock::timeOfDay() const
{
    return QTime::currentTime();
}
