// SPDX-License-Identifier: GPL-3.0-or-later
#include "webclient.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QSslSocket>
#include <memory>

namespace {

// Generous: an answer that takes this long has hung.
constexpr int kAnswerMs = 30000;

bool hasHeader(const WebClient::Headers& headers, const QByteArray& name)
{
    return std::any_of(headers.cbegin(), headers.cend(), [&](const auto& header) {
        return header.first.compare(name, Qt::CaseInsensitive) == 0;
    });
}

} // namespace

QByteArray WebClient::Answer::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QJsonObject WebClient::Answer::json() const
{
    return QJsonDocument::fromJson(body).object();
}

WebClient::WebClient(quint16 port, bool tls)
    : m_port(port)
    , m_tls(tls)
{
}

QByteArray WebClient::host() const
{
    return "127.0.0.1:" + QByteArray::number(m_port);
}

WebClient::Answer WebClient::send(const QByteArray& method, const QByteArray& path, const QByteArray& body,
                                  const Headers& headers) const
{
    Headers all = headers;
    if (!hasHeader(all, "Host"))
        all.append({QByteArray("Host"), host()});
    if (!hasHeader(all, "Accept-Language"))
        all.append({QByteArray("Accept-Language"), QByteArray("ja")});
    if (!body.isEmpty() && !hasHeader(all, "Content-Type"))
        all.append({QByteArray("Content-Type"), QByteArray("application/json")});
    QByteArray request = method + ' ' + path + " HTTP/1.1\r\n";
    for (const auto& [name, value] : all)
        request += name + ": " + value + "\r\n";
    request += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;

    // A plain socket without encryption: the TLS back end is loaded only where it is used.
    const std::unique_ptr<QTcpSocket> plain =
        m_tls ? std::make_unique<QSslSocket>() : std::make_unique<QTcpSocket>();
    QTcpSocket& socket = *plain;
    if (auto* encrypted = qobject_cast<QSslSocket*>(plain.get())) {
        encrypted->setPeerVerifyMode(QSslSocket::VerifyNone);
        encrypted->connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_port);
        if (!encrypted->waitForEncrypted(kAnswerMs))
            return {};
    } else {
        socket.connectToHost(QStringLiteral("127.0.0.1"), m_port);
        if (!socket.waitForConnected(kAnswerMs))
            return {};
    }
    socket.write(request);
    QByteArray raw;
    const QDeadlineTimer deadline(kAnswerMs);
    while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(100);
        raw += socket.readAll();
        // An answer with its whole body has come; the server may keep the connection.
        const qsizetype end = raw.indexOf("\r\n\r\n");
        if (end < 0)
            continue;
        // chromium's DevTools write the header without a space after the colon.
        constexpr qsizetype kNameLength = sizeof("content-length:") - 1;
        const qsizetype lengthAt = raw.toLower().indexOf("content-length:");
        if (lengthAt >= 0 && lengthAt < end) {
            const qsizetype lineEnd = raw.indexOf("\r\n", lengthAt);
            const qsizetype length =
                raw.mid(lengthAt + kNameLength, lineEnd - lengthAt - kNameLength).trimmed().toLongLong();
            if (raw.size() >= end + 4 + length)
                break;
        }
    }
    raw += socket.readAll();

    Answer answer;
    const qsizetype end = raw.indexOf("\r\n\r\n");
    const QList<QByteArray> lines = raw.left(end).split('\n');
    answer.status = lines.value(0).split(' ').value(1).toInt();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            answer.headers.append({line.left(colon), line.mid(colon + 1).trimmed()});
    }
    answer.body = end < 0 ? QByteArray() : raw.mid(end + 4);
    return answer;
}
