// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/linktime.h"
#include "link/linktimer.h"

#include <QTimer>
#include <algorithm>
#include <vector>

// Time that runs as fast as the exchanges let it: each time the event loop comes round, it jumps
// to the earliest timer due and fires it. An exchange over a line that takes its bytes at once
// runs through its seconds of waiting in a moment, with every wait still in its order and
// length on this clock.
class VirtualTime : public LinkTime {
public:
    VirtualTime()
    {
        m_step.setSingleShot(true);
        QObject::connect(&m_step, &QTimer::timeout, &m_step, [this] { step(); });
    }

    [[nodiscard]] qint64 elapsedMs() const override { return m_now; }
    [[nodiscard]] LinkTimer* newTimer(QObject* parent) override { return new Timer(*this, parent); }

private:
    class Timer : public LinkTimer {
    public:
        Timer(VirtualTime& time, QObject* parent)
            : LinkTimer(parent)
            , m_time(time)
        {
            m_time.m_timers.push_back(this);
        }
        ~Timer() override { std::erase(m_time.m_timers, this); }

        void start(qint64 ms) override
        {
            m_due = m_time.m_now + std::max<qint64>(ms, 0);
            m_active = true;
            m_time.m_step.start(0);
        }
        void stop() override { m_active = false; }
        [[nodiscard]] bool isActive() const override { return m_active; }

        VirtualTime& m_time;
        qint64 m_due = 0;
        bool m_active = false;
    };

    void step()
    {
        Timer* next = nullptr;
        for (Timer* timer : m_timers) {
            if (timer->m_active && (!next || timer->m_due < next->m_due))
                next = timer;
        }
        if (!next)
            return;
        m_now = std::max(m_now, next->m_due);
        next->m_active = false;
        m_step.start(0); // for the timers still waiting; a timer started meanwhile restarts it
        emit next->timeout();
    }

    qint64 m_now = 0;
    std::vector<Timer*> m_timers;
    QTimer m_step;
};
