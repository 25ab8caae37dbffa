// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/systemlinktime.h"

#include "link/linktimer.h"

#include <QTimer>
#include <algorithm>
#include <limits>

namespace {

class PreciseTimer : public LinkTimer {
public:
    explicit PreciseTimer(QObject* parent)
        : LinkTimer(parent)
        , m_timer(new QTimer(this))
    {
        m_timer->setSingleShot(true);
        m_timer->setTimerType(Qt::PreciseTimer);
        connect(m_timer, &QTimer::timeout, this, &LinkTimer::timeout);
    }

    void start(qint64 ms) override
    {
        m_timer->start(static_cast<int>(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max())));
    }
    void stop() override { m_timer->stop(); }
    [[nodiscard]] bool isActive() const override { return m_timer->isActive(); }

private:
    QTimer* m_timer;
};

} // namespace

SystemLinkTime::SystemLinkTime()
{
    m_clock.start();
}

qint64 SystemLinkTime::elapsedMs() const
{
    return m_clock.elapsed();
}

LinkTimer* SystemLinkTime::newTimer(QObject* parent)
{
    return new PreciseTimer(parent);
}
