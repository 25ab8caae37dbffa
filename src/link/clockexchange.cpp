// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/clockexchange.h"

#include "link/clock.h"
#include "link/clockframes.h"
#include "link/linkconstants.h"
#include "model/project.h"

ClockExchange::ClockExchange(Project& project, const Clock& clock, SerialLine& line, LinkTime& time,
                             QObject* parent)
    : LinkExchange(line, time, parent)
    , m_project(project)
    , m_clock(clock)
{
}

QCoro::Task<> ClockExchange::steps()
{
    setProgressMaximum(Link::kClockProgressMax);
    showProgress(1);
    send(Link::kClockHello.toByteArray());
    if (!co_await waitMs(Link::kClockStepWaitMs))
        co_return;
    showProgress(2);
    send(ClockFrames::timeFrame(m_clock.timeOfDay()));
    if (!co_await drain() || !co_await waitMs(Link::kClockStepWaitMs))
        co_return;
    showProgress(3);
    if (!co_await waitMs(Link::kClockStepWaitMs))
        co_return;
    showProgress(4);
    // Named: GCC 12 destroys the nested temporaries of this call wrongly inside a coroutine.
    const QByteArray schedule = ClockFrames::scheduleFrame(ClockFrames::scheduleValues(m_project));
    send(schedule);
    co_await drain();
}
