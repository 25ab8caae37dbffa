// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/tcpline.h"

#include "dialogs/linktexts.h"
#include "link/linkconstants.h"
#include "link/linklog.h"
#include "link/portnames.h"

#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <cmath>

#ifdef Q_OS_LINUX
#include <sys/ioctl.h>
#include <termios.h>
#endif

TcpLine::TcpLine(QObject* parent)
    : SerialLine(parent)
    , m_socket(new QTcpSocket(this))
    , m_connectTimeout(new QTimer(this))
{
    m_connectTimeout->setSingleShot(true);
    connect(m_connectTimeout, &QTimer::timeout, this, [this] { fail(LinkTexts::noAnswer()); });
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_connectTimeout->stop();
        // Each chunk goes out as it is written, not held back to be joined with the next.
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_clock.start();
        qCDebug(lcLink) << "connected to" << m_address;
        emit ready();
    });
    connect(m_socket, &QTcpSocket::bytesWritten, this, &SerialLine::bytesSent);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this] { fail(m_socket->errorString()); });
    // Whatever the server passes back from the card's side is not used.
    connect(m_socket, &QTcpSocket::readyRead, this, [this] { m_socket->readAll(); });
}

void TcpLine::setPortName(const QString& address)
{
    m_address = address;
}

bool TcpLine::open()
{
    const std::optional<PortNames::NetworkAddress> address = PortNames::networkAddress(m_address);
    if (!address || m_open)
        return false;
    m_error.clear();
    m_lineDueMs = 0;
    m_open = true;
    qCDebug(lcLink) << "connecting to" << address->host << "port" << address->port;
    m_socket->connectToHost(address->host, address->port);
    m_connectTimeout->start(Link::kConnectTimeoutMs);
    emit openChanged(true);
    return true;
}

void TcpLine::close()
{
    if (!m_open)
        return;
    qCDebug(lcLink) << "closing" << m_address << "with" << bytesQueued() << "bytes still queued";
    m_open = false;
    m_connectTimeout->stop();
    m_socket->abort();
    emit openChanged(false);
}

bool TcpLine::isReady() const
{
    return m_open && m_socket->state() == QAbstractSocket::ConnectedState;
}

bool TcpLine::write(const QByteArray& bytes)
{
    if (!isReady() || m_socket->write(bytes) != bytes.size())
        return false;
    m_lineDueMs = std::max(m_lineDueMs, nowMs()) + bytes.size() * 1000.0 / Link::kBytesPerSecond;
    qCDebug(lcLink) << "wrote" << bytes.size() << "bytes to" << m_address;
    return true;
}

qint64 TcpLine::bytesQueued() const
{
    if (!m_open)
        return 0;
    const double lineLeftMs = std::max(m_lineDueMs - nowMs(), 0.0);
    const auto onLine = static_cast<qint64>(std::ceil(lineLeftMs * Link::kBytesPerSecond / 1000));
    return std::max(onLine - Link::kUartFifoBytes, socketQueue());
}

qint64 TcpLine::socketQueue() const
{
    qint64 queued = m_socket->bytesToWrite();
#ifdef Q_OS_LINUX
    // Bytes the server has not yet acknowledged are still on their way.
    int unacknowledged = 0;
    if (m_socket->socketDescriptor() >= 0 &&
        ::ioctl(static_cast<int>(m_socket->socketDescriptor()), TIOCOUTQ, &unacknowledged) == 0)
        queued += unacknowledged;
#endif
    return queued;
}

double TcpLine::nowMs() const
{
    return m_clock.isValid() ? static_cast<double>(m_clock.nsecsElapsed()) / 1e6 : 0;
}

void TcpLine::fail(const QString& reason)
{
    if (!m_open || !m_error.isEmpty())
        return;
    m_error = reason;
    qCDebug(lcLink) << m_address << "failed:" << reason;
    emit failed(reason);
}
