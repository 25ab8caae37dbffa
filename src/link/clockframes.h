// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTime>

class Project;

// The bytes of the clock set, built from plain values: the time of day in packed BCD and the
// schedule (countdown days and the work-time window). The clock exchange paces and sends them.
namespace ClockFrames {

// Seconds, minutes, hours, each two decimal digits packed into one byte.
[[nodiscard]] QByteArray timeFrame(const QTime& time);

struct ScheduleValues {
    QString countdownDays = QStringLiteral("999");
    int startMinutes = 420;
    int endMinutes = 1140;
    bool workTimeEnabled = true;
};
[[nodiscard]] ScheduleValues scheduleValues(const Project& project);

// Day count high and low, start hour and minute, end hour and minute with bit 7 as the switch.
// A byte whose value cannot be formed stays 0.
[[nodiscard]] QByteArray scheduleFrame(const ScheduleValues& values);

} // namespace ClockFrames
