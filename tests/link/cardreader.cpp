// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardreader.h"

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qsizetype kReadSize = 4096;
// A line does not save up time it stood idle; a UART's receive buffer holds only a few bytes.
constexpr double kBurstBytes = 64;

} // namespace

CardReader::CardReader(int bytesPerSecond, QObject* parent)
    : QObject(parent)
    , m_bytesPerSecond(bytesPerSecond)
    , m_resume(new QTimer(this))
{
    m_resume->setSingleShot(true);
    m_resume->setTimerType(Qt::PreciseTimer);
    connect(m_resume, &QTimer::timeout, this, [this] {
        m_notifier->setEnabled(true);
        readAvailable();
    });
}

CardReader::~CardReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CardReader::open(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    adopt(fd);
    return true;
}

void CardReader::adopt(int fd)
{
    m_fd = fd;
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    if (!m_clock.isValid())
        m_clock.start();
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CardReader::readAvailable);
}

void CardReader::hangUp()
{
    delete m_notifier;
    m_notifier = nullptr;
    m_resume->stop();
    ::close(m_fd);
    m_fd = -1;
}

void CardReader::readAvailable()
{
    qsizetype allowed = kReadSize;
    if (m_bytesPerSecond > 0) {
        const qint64 now = m_clock.elapsed();
        const double earned = static_cast<double>(now - m_lastRefill) * m_bytesPerSecond / 1000;
        // A line with bytes waiting kept sending while this reader was not looking; an idle one
        // saves up no more than its receive buffer.
        m_credit = m_backlogged ? m_credit + earned : std::min(kBurstBytes, m_credit + earned);
        m_lastRefill = now;
        allowed = static_cast<qsizetype>(m_credit);
        if (allowed == 0) {
            m_backlogged = true;
            m_notifier->setEnabled(false);
            m_resume->start(static_cast<int>((kBurstBytes - m_credit) * 1000 / m_bytesPerSecond));
            return;
        }
    }
    char buffer[kReadSize];
    const ssize_t n = ::read(m_fd, buffer, static_cast<size_t>(allowed));
    m_backlogged = n == allowed && m_bytesPerSecond > 0; // more may be waiting
    if (n <= 0)
        return;
    if (m_bytesPerSecond > 0)
        m_credit -= static_cast<double>(n);
    m_received.append(buffer, n);
    const qint64 now = m_clock.elapsed();
    for (ssize_t i = 0; i < n; ++i)
        m_arrivals.append(now);
    emit receivedChanged(m_received.size());
}
