// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/linkexchange.h"

#include "link/linkconstants.h"
#include "link/linktime.h"
#include "link/linktimer.h"
#include "link/serialline.h"

#include <algorithm>
#include <coroutine>

namespace {

// Rounded up: a look at the queue before the line can have sent it costs another wake-up.
[[nodiscard]] qint64 lineTimeMs(qint64 bytes)
{
    return (bytes * 1000 + Link::kBytesPerSecond - 1) / Link::kBytesPerSecond;
}

// Resumes the waiting coroutine from within the timer's timeout, as a timer's own awaiter does,
// so that nothing else runs between the wake-up and the next step.
class Expiry {
public:
    explicit Expiry(LinkTimer* timer)
        : m_timer(timer)
    {
    }

    [[nodiscard]] bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiting)
    {
        m_connection = QObject::connect(m_timer, &LinkTimer::timeout, m_timer, [this, waiting] {
            QObject::disconnect(m_connection);
            waiting.resume();
        });
    }
    void await_resume() const noexcept {}

private:
    LinkTimer* m_timer;
    QMetaObject::Connection m_connection;
};

} // namespace

LinkExchange::LinkExchange(SerialLine& line, LinkTime& time, QObject* parent)
    : QObject(parent)
    , m_line(line)
    , m_time(time)
    , m_timer(time.newTimer(this))
{
    connect(&m_line, &SerialLine::bytesSent, this, &LinkExchange::wakeSoon);
    connect(&m_line, &SerialLine::ready, this, &LinkExchange::wakeSoon);
    connect(&m_line, &SerialLine::failed, this, [this] { end(ExchangeOutcome::LineFailed); });
}

void LinkExchange::start(qint64 quietFirstMs)
{
    m_quietFirstMs = quietFirstMs;
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
    // Taken apart from the test: GCC 12 loses this frame when the co_await sits in the condition.
    const bool ready = co_await lineReady();
    if (!ready) {
        // A connection that is never made is a port that cannot be opened: nothing was sent.
        emit finished(m_outcome == ExchangeOutcome::LineFailed ? ExchangeOutcome::PortUnavailable
                                                               : *m_outcome);
        co_return;
    }
    const bool quiet = co_await waitMs(int(m_quietFirstMs));
    if (!quiet) {
        emit finished(*m_outcome);
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
    m_lineDueMs = std::max(m_lineDueMs, m_time.elapsedMs()) + lineTimeMs(bytes.size());
}

QCoro::Task<bool> LinkExchange::waitMs(int ms)
{
    const qint64 deadline = m_time.elapsedMs() + ms;
    // Other wake-ups (bytes leaving the line) come through the same timer; they only re-check.
    while (!m_outcome && m_time.elapsedMs() < deadline)
        co_await sleep(deadline - m_time.elapsedMs());
    co_return !m_outcome;
}

QCoro::Task<bool> LinkExchange::drain()
{
    qint64 queued = m_line.bytesQueued();
    while (!m_outcome && queued > 0) {
        if (m_time.elapsedMs() > m_lineDueMs + Link::kStallMarginMs) {
            end(ExchangeOutcome::LineStalled);
            break;
        }
        // Look again about when the line should have sent what is queued, or when bytes leave.
        co_await sleep(std::clamp<qint64>(lineTimeMs(queued), 1, Link::kDrainRecheckMaxMs));
        queued = m_line.bytesQueued();
    }
    co_return !m_outcome;
}

QCoro::Task<bool> LinkExchange::lineReady()
{
    // ready() and failed() wake the wait early.
    while (!m_outcome && !m_line.isReady())
        co_await sleep(Link::kReadyRecheckMs);
    co_return !m_outcome;
}

QCoro::Task<> LinkExchange::sleep(qint64 ms)
{
    m_timer->start(ms);
    co_await Expiry(m_timer);
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
