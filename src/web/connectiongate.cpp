// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/connectiongate.h"

#include "web/weblog.h"

#include <QSslSocket>
#include <QTimer>

ConnectionGate::ConnectionGate(std::optional<QSslConfiguration> tls, QByteArray tooLarge, QObject* parent)
    : QTcpServer(parent)
    , m_tls(std::move(tls))
    , m_tooLarge(std::move(tooLarge))
{
}

void ConnectionGate::incomingConnection(qintptr descriptor)
{
    QTcpSocket* socket = m_tls ? new QSslSocket(this) : new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor) || m_received.size() >= kMaxConnections) {
        qCInfo(lcWeb) << "connection refused:" << m_received.size() << "open";
        socket->abort();
        socket->deleteLater();
        return;
    }
    watch(socket);
    if (auto* encrypted = qobject_cast<QSslSocket*>(socket)) {
        encrypted->setSslConfiguration(*m_tls);
        // The web server reads and writes the plain text; the socket holds it until the handshake is done.
        encrypted->startServerEncryption();
    }
    addPendingConnection(socket);
}

void ConnectionGate::watch(QTcpSocket* socket)
{
    m_received.insert(socket, 0);
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->setInterval(kIdleMs);
    connect(idle, &QTimer::timeout, socket, [socket] { socket->abort(); });
    idle->start();
    // Connected before the web server takes the socket, so this sees each arrival before it is read.
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, idle] {
        idle->start();
        received(socket);
    });
    connect(socket, &QTcpSocket::bytesWritten, idle, qOverload<>(&QTimer::start));
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { m_received.remove(socket); });
    connect(socket, &QObject::destroyed, this, [this, socket] { m_received.remove(socket); });
}

void ConnectionGate::received(QTcpSocket* socket)
{
    const auto count = m_received.find(socket);
    if (count == m_received.end())
        return;
    const bool refusedBefore = *count > kMaxRequestBytes;
    *count += socket->bytesAvailable();
    if (*count <= kMaxRequestBytes)
        return;
    // What the web server has read of this request so far is dropped with the rest, and so is
    // whatever follows until the connection has ended.
    if (socket->isTransactionStarted())
        socket->rollbackTransaction();
    socket->readAll();
    if (refusedBefore)
        return;
    qCInfo(lcWeb) << "request over" << kMaxRequestBytes << "bytes refused from"
                  << socket->peerAddress().toString();
    socket->write(m_tooLarge);
    socket->disconnectFromHost();
}

void ConnectionGate::requestTaken(QTcpSocket* socket)
{
    if (const auto count = m_received.find(socket); count != m_received.end())
        *count = 0;
}
