// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/linkexchange.h"

#include "link/linkconstants.h"
#include "link/serialline.h"

#include <QCoroTimer>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>

namespace {

[[nodiscard]] qint64 lineTimeMs(qint64 bytes)
{
    return bytes * 1000 / Link::kBytesPerSecond;
}

} // namespace

LinkExchange::LinkExchange(SerialLine& line, QObject* parent)
    : QObject(parent)
    , m_line(line)
    , m_timer(new QTimer(this))
{
    m_clock.start();
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(&m_line, &SerialLine::bytesSent, this, &LinkExchange::wakeSoon);
    connect(&m_line, &SerialLine::failed, this, [this] { end(ExchangeOutcome::LineFailed); });
}

void LinkExchange::start()
{
    run();
}

void LinkExchange::stop()
{
    end(ExchangeOutcome::Aborted);
}

QCoro::Task<> LinkExchange::run()
{
    if (!m_line.open()) {
        emit finished(ExchangeOutcome::PortUnavailable);
        co_return;
    }
    if (!m_line.isOpen()) {
        m_line.setDtr(false);
        emit finished(ExchangeOutcome::NotOpened);
        co_return;
    }
    m_line.setDtr(true);
    co_await steps();
    if (m_progressMaximum > 0)
        emit progressChanged(m_progressMaximum, 0);
    emit finished(m_outcome.value_or(ExchangeOutcome::Completed));
}

void LinkExchange::showProgress(int value)
{
    emit progressChanged(m_progressMaximum, value);
}

void LinkExchange::send(const QByteArray& bytes)
{
    if (m_outcome)
        return;
    if (!m_line.write(bytes)) {
        end(ExchangeOutcome::LineFailed);
        return;
    }
    m_lineDueMs = std::max(m_lineDueMs, m_clock.elapsed()) + lineTimeMs(bytes.size());
}

QCoro::Task<bool> LinkExchange::waitMs(int ms)
{
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    // Other wake-ups (bytes leaving the line) come through the same timer; they only re-check.
    while (!m_outcome && !deadline.hasExpired()) {
        m_timer->start(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
        co_await m_timer;
    }
    co_return !m_outcome;
}

QCoro::Task<bool> LinkExchange::drain()
{
    qint64 queued = m_line.bytesQueued();
    while (!m_outcome && queued > 0) {
        if (m_clock.elapsed() > m_lineDueMs + Link::kStallMarginMs) {
            end(ExchangeOutcome::LineStalled);
            break;
        }
        // Look again about when the line should have sent what is queued, or when bytes leave.
        m_timer->start(static_cast<int>(std::clamp<qint64>(lineTimeMs(queued), 1, Link::kDrainRecheckMaxMs)));
        co_await m_timer;
        queued = m_line.bytesQueued();
    }
    co_return !m_outcome;
}

void LinkExchange::end(ExchangeOutcome outcome)
{
    if (m_outcome)
        return;
    m_outcome = outcome;
    wakeSoon();
}

void LinkExchange::wakeSoon()
{
    if (m_timer->isActive())
        m_timer->start(0);
}
