// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/tcpline.h"

#include "link/linkconstants.h"
#include "link/linklog.h"
#include "texts/linktexts.h"

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
    , m_setUp(new QTimer(this))
{
    m_setUp->setSingleShot(true);
    connect(m_setUp, &QTimer::timeout, this, [this] {
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            fail(LinkTexts::noAnswer());
        else if (isTelnet())
            fail(LinkTexts::noNegotiation());
        else
            becomeReady();
    });
    connect(m_socket, &QTcpSocket::connected, this, &TcpLine::connected);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &SerialLine::bytesSent);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // Once the line carries the upload, losing it is told as any line's loss.
        QString failure;
        if (!m_ready) {
            failure = error == QAbstractSocket::ConnectionRefusedError ? LinkTexts::connectionRefused()
                      : error == QAbstractSocket::HostNotFoundError    ? LinkTexts::hostNotFound()
                                                                       : LinkTexts::connectionFailed();
        }
        fail(failure, m_socket->errorString());
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &TcpLine::readAvailable);
}

void TcpLine::setPortName(const QString& address)
{
    m_address = address;
    m_target = PortNames::networkAddress(address);
}

bool TcpLine::open()
{
    if (!m_target || m_open)
        return false;
    m_failed = false;
    m_failure.clear();
    m_systemError.clear();
    m_lineDueMs = 0;
    m_ready = false;
    m_telnetProbe = {};
    m_comPort.reset();
    m_open = true;
    qCDebug(lcLink) << "connecting to" << m_target->host << "port" << m_target->port
                    << (isTelnet() ? "(telnet, RFC 2217)" : "(raw)");
    m_socket->connectToHost(m_target->host, m_target->port);
    m_setUp->start(Link::kConnectTimeoutMs);
    emit openChanged(true);
    return true;
}

void TcpLine::close()
{
    if (!m_open)
        return;
    qCDebug(lcLink) << "closing" << m_address << "with" << bytesQueued() << "bytes still queued";
    m_open = false;
    m_setUp->stop();
    m_socket->abort();
    emit openChanged(false);
}

void TcpLine::connected()
{
    // Each chunk goes out as it is written, not held back to be joined with the next.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    qCDebug(lcLink) << "connected to" << m_address;
    if (isTelnet()) {
        m_comPort.emplace();
        m_socket->write(m_comPort->start());
        m_setUp->start(Link::kConnectTimeoutMs);
    } else {
        m_setUp->start(Link::kTelnetProbeMs);
    }
}

void TcpLine::readAvailable()
{
    const QByteArray bytes = m_socket->readAll();
    // Whatever the server passes back from the card's side is not used.
    if (!m_comPort) {
        if (!m_telnetProbe.decode(bytes).events.isEmpty())
            fail(LinkTexts::telnetOnRawPort());
        return;
    }
    const ComPortClient::Received received = m_comPort->receive(bytes);
    if (!received.reply.isEmpty())
        m_socket->write(received.reply);
    if (m_comPort->state() == ComPortClient::State::Refused)
        fail(m_comPort->refusal());
    else if (m_comPort->state() == ComPortClient::State::Ready && !m_ready)
        becomeReady();
}

void TcpLine::becomeReady()
{
    m_setUp->stop();
    m_ready = true;
    m_clock.start();
    qCDebug(lcLink) << m_address << "ready";
    emit ready();
}

bool TcpLine::write(const QByteArray& bytes)
{
    const QByteArray stream = m_comPort ? Telnet::escaped(bytes) : bytes;
    if (!isReady() || m_socket->write(stream) != stream.size())
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

bool TcpLine::isTelnet() const
{
    return m_target && m_target->protocol == PortNames::NetworkAddress::Protocol::Rfc2217;
}

double TcpLine::nowMs() const
{
    return m_clock.isValid() ? static_cast<double>(m_clock.nsecsElapsed()) / 1e6 : 0;
}

void TcpLine::fail(const QString& failure, const QString& systemError)
{
    if (!m_open || m_failed)
        return;
    m_failed = true;
    m_failure = failure;
    m_systemError = systemError;
    m_setUp->stop();
    qCDebug(lcLink) << m_address << "failed:" << failure << systemError;
    emit failed(failure.isEmpty() ? systemError : failure);
}
