// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QSslConfiguration>
#include <QTcpServer>
#include <optional>

class QTcpSocket;
class QTimer;

// Takes the connections for the web server and keeps what it lacks: encryption when a certificate
// is given, a cap on open connections, an end to connections that stay silent, and a limit on the
// bytes of one request. The HTTP layer reads a whole request into memory before anyone sees it,
// so a request that grows past the limit is refused here, as it arrives, and its connection ends.
class ConnectionGate : public QTcpServer {
    Q_OBJECT

public:
    static constexpr int kMaxConnections = 64;
    static constexpr qint64 kMaxRequestBytes = 64 * 1024; // the request line, headers and body
    static constexpr int kIdleMs = 60 * 1000;

    // tooLarge: the whole HTTP answer for a request over the limit.
    ConnectionGate(std::optional<QSslConfiguration> tls, QByteArray tooLarge, QObject* parent = nullptr);

    // A whole request of this connection has been read; the next one counts from nothing.
    void requestTaken(QTcpSocket* socket);
    [[nodiscard]] int openConnections() const { return int(m_received.size()); }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void watch(QTcpSocket* socket);
    void received(QTcpSocket* socket);

    std::optional<QSslConfiguration> m_tls;
    QByteArray m_tooLarge;
    QHash<QTcpSocket*, qint64> m_received; // bytes of the request being read, per open connection
};
