// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/clockframes.h"

#include "link/linkconstants.h"
#include "model/project.h"
#include "model/textnumbers.h"

#include <cstdint>

namespace ClockFrames {

namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kByteRange = 256;

[[nodiscard]] char bcd(int value)
{
    return static_cast<char>((value / 10) * 16 + value % 10);
}

[[nodiscard]] char byteOrZero(std::int64_t value)
{
    return value >= 0 && value < kByteRange ? static_cast<char>(value) : '\0';
}

} // namespace

QByteArray timeFrame(const QTime& time)
{
    QByteArray frame;
    frame.append(bcd(time.second()));
    frame.append(bcd(time.minute()));
    frame.append(bcd(time.hour()));
    return frame;
}

ScheduleValues scheduleValues(const Project& project)
{
    const WorkTime& workTime = project.workTime();
    return {project.globals().countdownDays, workTime.start, workTime.end, workTime.enabled};
}

QByteArray scheduleFrame(const ScheduleValues& values)
{
    const std::int64_t days = roundHalfEven(numericValue(values.countdownDays));
    QByteArray frame;
    // Integer division and remainder keep the sign, so a negative count fails both bytes.
    frame.append(byteOrZero(days / kByteRange));
    frame.append(byteOrZero(days % kByteRange));
    frame.append(byteOrZero(values.startMinutes / kMinutesPerHour));
    frame.append(byteOrZero(values.startMinutes % kMinutesPerHour));
    frame.append(byteOrZero(values.endMinutes / kMinutesPerHour));
    frame.append(byteOrZero(values.endMinutes % kMinutesPerHour +
                            (values.workTimeEnabled ? Link::kWorkTimeEnabledBit : 0)));
    return frame;
}

} // namespace ClockFrames
