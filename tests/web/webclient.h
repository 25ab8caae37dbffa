// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <utility>

// The web service's client in its tests: one request a connection, written byte for byte as given
// (so a test can send a foreign Host or an oversized body), and the whole answer read.
class WebClient {
public:
    using Headers = QList<std::pair<QByteArray, QByteArray>>;
    struct Answer {
        int status = 0;
        Headers headers;
        QByteArray body;

        [[nodiscard]] QByteArray header(const QByteArray& name) const;
        [[nodiscard]] QJsonObject json() const;
        [[nodiscard]] QString error() const { return json().value(QStringLiteral("error")).toString(); }
    };

    // tls: over HTTPS, whatever certificate the server shows.
    explicit WebClient(quint16 port, bool tls = false);

    // Host names the server and the answers are asked for in Japanese unless the headers say else;
    // a body goes as JSON unless a Content-Type is given.
    [[nodiscard]] Answer send(const QByteArray& method, const QByteArray& path, const QByteArray& body = {},
                              const Headers& headers = {}) const;
    [[nodiscard]] QByteArray host() const;

private:
    quint16 m_port = 0;
    bool m_tls = false;
};
