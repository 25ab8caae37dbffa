// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QPointer>
#include <QTcpSocket>
#include <memory>

class QHttpServerResponder;
struct HttpReply;

// The way back to the client of one request. It answers at once, later (a refusal that is slowed
// down), or keeps the connection for a stream of events; a client that has gone by then is sent
// nothing.
class HttpResponse {
public:
    HttpResponse(QHttpServerResponder&& responder, QTcpSocket* socket);
    HttpResponse(HttpResponse&& other) noexcept;
    HttpResponse& operator=(HttpResponse&& other) noexcept;
    ~HttpResponse();

    // Adds what every answer carries: no caching, no guessing of the type, no framing by other sites.
    void send(const HttpReply& reply);
    // Server-sent events: the status line and headers of an answer without end.
    void startEvents();
    // One event; false when the client has gone.
    bool sendEvent(QByteArrayView name, QByteArrayView data);
    // A comment line, which keeps an idle stream's connection from being taken for a dead one.
    bool sendKeepAlive();
    void close();
    [[nodiscard]] bool connected() const;
    [[nodiscard]] QTcpSocket* socket() const { return m_socket; }

private:
    std::unique_ptr<QHttpServerResponder> m_responder;
    QPointer<QTcpSocket> m_socket;
};
