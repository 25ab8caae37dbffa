// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/exchangejob.h"

#include <QJsonArray>
#include <algorithm>

namespace {

QString stateName(ExchangeJob::State state)
{
    switch (state) {
    case ExchangeJob::State::Running:
        return QStringLiteral("running");
    case ExchangeJob::State::Completed:
        return QStringLiteral("completed");
    case ExchangeJob::State::Failed:
        return QStringLiteral("failed");
    }
    return {};
}

} // namespace

QJsonObject ExchangeJob::json(qint64 nowMs) const
{
    QJsonArray portResults;
    for (const PortResult& result : results)
        portResults.append(
            QJsonObject{{QStringLiteral("port"), result.port},
                        {QStringLiteral("completed"), result.completed},
                        {QStringLiteral("status"), result.status},
                        {QStringLiteral("messages"), QJsonArray::fromStringList(result.told)}});
    const bool running = state == State::Running;
    const qint64 leftMs = running ? std::max<qint64>(estimatedMs - (nowMs - startedMs), 0) : 0;
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("kind"), kind == Kind::Upload ? QStringLiteral("upload") : QStringLiteral("clock")},
        {QStringLiteral("state"), stateName(state)},
        {QStringLiteral("ports"), QJsonArray::fromStringList(ports)},
        {QStringLiteral("port"), running ? QJsonValue(ports.value(portIndex)) : QJsonValue()},
        {QStringLiteral("progress"),
         QJsonObject{{QStringLiteral("value"), progressValue}, {QStringLiteral("maximum"), progressMaximum}}},
        {QStringLiteral("secondsLeft"), qint64((leftMs + 999) / 1000)},
        {QStringLiteral("status"), status},
        {QStringLiteral("results"), portResults},
    };
}
