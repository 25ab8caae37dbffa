// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/httpresponse.h"

#include "web/httpreply.h"

#include <QHttpServerResponder>
#include <QTcpSocket>

namespace {

const QList<std::pair<QByteArray, QByteArray>> kEveryAnswer = {
    {QByteArrayLiteral("X-Content-Type-Options"), QByteArrayLiteral("nosniff")},
    {QByteArrayLiteral("X-Frame-Options"), QByteArrayLiteral("DENY")},
    {QByteArrayLiteral("Referrer-Policy"), QByteArrayLiteral("no-referrer")},
};

} // namespace

HttpResponse::HttpResponse(QHttpServerResponder&& responder, QTcpSocket* socket)
    : m_responder(std::make_unique<QHttpServerResponder>(std::move(responder)))
    , m_socket(socket)
{
}

HttpResponse::HttpResponse(HttpResponse&& other) noexcept = default;
HttpResponse& HttpResponse::operator=(HttpResponse&& other) noexcept = default;
HttpResponse::~HttpResponse() = default;

bool HttpResponse::connected() const
{
    return m_responder && m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void HttpResponse::send(const HttpReply& reply)
{
    if (!connected())
        return;
    m_responder->writeStatusLine(QHttpServerResponder::StatusCode(reply.status));
    for (const auto& [name, value] : kEveryAnswer)
        m_responder->writeHeader(name, value);
    if (reply.header(QByteArrayLiteral("Cache-Control")).isEmpty())
        m_responder->writeHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    for (const auto& [name, value] : reply.headers)
        m_responder->writeHeader(name, value);
    if (!reply.contentType.isEmpty())
        m_responder->writeHeader(QByteArrayLiteral("Content-Type"), reply.contentType);
    m_responder->writeHeader(QByteArrayLiteral("Content-Length"), QByteArray::number(reply.body.size()));
    m_responder->writeBody(reply.body);
}

void HttpResponse::startEvents()
{
    if (!connected())
        return;
    m_responder->writeStatusLine(QHttpServerResponder::StatusCode::Ok);
    for (const auto& [name, value] : kEveryAnswer)
        m_responder->writeHeader(name, value);
    m_responder->writeHeader(QByteArrayLiteral("Content-Type"), QByteArrayLiteral("text/event-stream"));
    m_responder->writeHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    // The body starts here, which ends the headers, so that the client sees the stream open.
    m_responder->writeBody(QByteArrayLiteral(": open\n\n"));
}

bool HttpResponse::sendEvent(QByteArrayView name, QByteArrayView data)
{
    if (!connected())
        return false;
    QByteArray event = QByteArrayLiteral("event: ") + name.toByteArray() + '\n';
    // A line break would end the field; JSON as written here has none, but every line is one field.
    for (const QByteArray& line : data.toByteArray().split('\n'))
        event += QByteArrayLiteral("data: ") + line + '\n';
    m_responder->writeBody(event + '\n');
    return true;
}

bool HttpResponse::sendKeepAlive()
{
    if (!connected())
        return false;
    m_responder->writeBody(QByteArrayLiteral(": \n\n"));
    return true;
}

void HttpResponse::close()
{
    if (m_socket)
        m_socket->disconnectFromHost();
    m_responder.reset();
}
