// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web/listenaddress.h"

#include <QAbstractHttpServer>
#include <QSslConfiguration>
#include <functional>
#include <optional>

class ConnectionGate;
class HttpResponse;

// The HTTP side of the service: Qt's HTTP server reads the requests from the connections the gate
// lets in, and hands each whole request to one handler with the way to answer it.
class WebServer : public QAbstractHttpServer {
    Q_OBJECT

public:
    // The largest request body taken; the gate ends a connection whose request grows far past it.
    static constexpr qsizetype kMaxBodyBytes = 16 * 1024;

    using Handler = std::function<void(const QHttpServerRequest& request, HttpResponse response)>;

    // tooLarge: the body and type of the answer to a request over the limit.
    WebServer(Handler handler, QByteArray tooLargeJson, QObject* parent = nullptr);

    // Empty when listening, else the system's reason.
    [[nodiscard]] QString listen(const ListenAddress& address, const std::optional<QSslConfiguration>& tls);
    [[nodiscard]] quint16 port() const;
    [[nodiscard]] bool encrypted() const { return m_encrypted; }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    Handler m_handler;
    QByteArray m_tooLargeJson;
    ConnectionGate* m_gate = nullptr;
    bool m_encrypted = false;
};
