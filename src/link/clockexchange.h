// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/linkexchange.h"

class Clock;
class Project;

// The clock set: "HelloC2", the time of day read just before it is sent, and the schedule
// (countdown days and work-time window) as the project holds it then. Used by the clock-set
// command.
class ClockExchange : public LinkExchange {
    Q_OBJECT

public:
    ClockExchange(Project& project, const Clock& clock, SerialLine& line, LinkTime& time,
                  QObject* parent = nullptr);

protected:
    QCoro::Task<> steps() override;

private:
    Project& m_project;
    const Clock& m_clock;
};
