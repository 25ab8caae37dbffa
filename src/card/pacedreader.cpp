// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/pacedreader.h"

#include "link/linkconstants.h"

#include <QIODevice>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace {

// A line does not save up the time it stood idle: a receiver holds only a few bytes.
constexpr double kIdleCreditBytes = 64;
// How often a backlogged line is read; short beside the pause that ends a frame.
constexpr int kSliceMs = 40;

} // namespace

PacedReader::PacedReader(bool fast, Read read, std::function<void(bool)> watch, QObject* parent)
    : QObject(parent)
    , m_fast(fast)
    , m_read(std::move(read))
    , m_watch(std::move(watch))
    , m_resume(new QTimer(this))
{
    m_clock.start();
    m_resume->setSingleShot(true);
    m_resume->setTimerType(Qt::PreciseTimer);
    connect(m_resume, &QTimer::timeout, this, [this] {
        m_watch(true);
        readAvailable();
    });
}

PacedReader::Taken PacedReader::take(QIODevice& device, qsizetype most)
{
    const QByteArray bytes = device.read(std::min<qint64>(most, device.bytesAvailable()));
    return {bytes, device.bytesAvailable() > 0};
}

void PacedReader::readAvailable()
{
    if (m_resume->isActive())
        return;
    if (m_fast) {
        const Taken taken = m_read(std::numeric_limits<qsizetype>::max());
        if (!taken.bytes.isEmpty())
            emit received(taken.bytes);
        return;
    }
    const qint64 now = m_clock.elapsed();
    const double earned = static_cast<double>(now - m_lastMs) * Link::kBytesPerSecond / 1000;
    m_credit = m_backlogged ? m_credit + earned : std::min(kIdleCreditBytes, m_credit + earned);
    m_lastMs = now;
    const auto allowed = static_cast<qsizetype>(m_credit);
    if (allowed == 0) {
        comeBack();
        return;
    }
    const Taken taken = m_read(allowed);
    m_credit -= static_cast<double>(taken.bytes.size());
    m_backlogged = taken.more;
    if (m_backlogged)
        comeBack();
    if (!taken.bytes.isEmpty())
        emit received(taken.bytes);
}

void PacedReader::comeBack()
{
    m_backlogged = true;
    m_watch(false);
    m_resume->start(kSliceMs);
}
