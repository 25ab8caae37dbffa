// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webserver.h"

#include "web/connectiongate.h"
#include "web/httpreply.h"
#include "web/httpresponse.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>

namespace {

QByteArray rawAnswer(int status, const QByteArray& reason, const QByteArray& json)
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
           "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(json.size()) +
           "\r\nConnection: close\r\n\r\n" + json;
}

} // namespace

WebServer::WebServer(Handler handler, QByteArray tooLargeJson, QObject* parent)
    : QAbstractHttpServer(parent)
    , m_handler(std::move(handler))
    , m_tooLargeJson(std::move(tooLargeJson))
{
}

QString WebServer::listen(const ListenAddress& address, const std::optional<QSslConfiguration>& tls)
{
    auto* gate = new ConnectionGate(tls, rawAnswer(413, "Payload Too Large", m_tooLargeJson), this);
    if (!gate->listen(address.host, address.port)) {
        const QString reason = gate->errorString();
        delete gate;
        return reason;
    }
    m_gate = gate;
    m_encrypted = tls.has_value();
    bind(gate);
    return {};
}

quint16 WebServer::port() const
{
    return m_gate ? m_gate->serverPort() : 0;
}

bool WebServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    if (m_gate)
        m_gate->requestTaken(socket);
    HttpResponse response(makeResponder(request, socket), socket);
    if (request.body().size() > kMaxBodyBytes) {
        HttpReply reply{413, QByteArrayLiteral("application/json"), m_tooLargeJson, {}};
        response.send(reply);
        return true;
    }
    m_handler(request, std::move(response));
    return true;
}

void WebServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    // Every request reaches the handler, which answers the ones it does not know itself.
    HttpResponse(makeResponder(request, socket), socket).send(HttpReply::error(404, {}));
}
