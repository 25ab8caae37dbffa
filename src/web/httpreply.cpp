// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/httpreply.h"

#include <QJsonDocument>

HttpReply HttpReply::json(int status, const QJsonObject& object)
{
    return {status,
            QByteArrayLiteral("application/json"),
            QJsonDocument(object).toJson(QJsonDocument::Compact),
            {}};
}

HttpReply HttpReply::error(int status, const QString& text)
{
    return json(status, {{QStringLiteral("error"), text}});
}

HttpReply& HttpReply::withHeader(const QByteArray& name, const QByteArray& value)
{
    headers.append({name, value});
    return *this;
}

QByteArray HttpReply::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}
