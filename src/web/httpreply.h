// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <utility>

// A whole answer to one request: its status, headers and body.
struct HttpReply {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers;

    [[nodiscard]] static HttpReply json(int status, const QJsonObject& object);
    // {"error": text}: why the request was refused, in words for the person who made it.
    [[nodiscard]] static HttpReply error(int status, const QString& text);

    HttpReply& withHeader(const QByteArray& name, const QByteArray& value);
    [[nodiscard]] QByteArray header(const QByteArray& name) const;
};
