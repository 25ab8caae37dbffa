// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardreport.h"

#include "texts/cardtexts.h"

#include <QDateTime>

namespace CardReport {

namespace {

[[nodiscard]] QString kindName(CardExchange::Kind kind)
{
    switch (kind) {
    case CardExchange::Kind::Upload:
        return CardTexts::uploadKind();
    case CardExchange::Kind::ClockSet:
        return CardTexts::clockSetKind();
    case CardExchange::Kind::Stray:
        break;
    }
    return CardTexts::strayKind();
}

[[nodiscard]] QString checks(const CardExchange& exchange)
{
    if (exchange.problems.isEmpty())
        return exchange.complete ? CardTexts::allWell() : CardTexts::unfinished();
    const QString problems = exchange.problems.join(u' ');
    if (exchange.complete || exchange.kind == CardExchange::Kind::Stray)
        return problems;
    return CardTexts::unfinished() + u' ' + problems;
}

} // namespace

QStringList columns(const CardExchange& exchange)
{
    constexpr double kMsPerSecond = 1000.0;
    return {QDateTime::fromMSecsSinceEpoch(exchange.startMs).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            kindName(exchange.kind), CardTexts::byteCount(exchange.bytes),
            CardTexts::seconds(double(exchange.endMs - exchange.startMs) / kMsPerSecond), checks(exchange)};
}

QString line(const CardExchange& exchange)
{
    return columns(exchange).join(u'\t');
}

QString summary(const CardMemory& memory)
{
    constexpr int kMinutesPerHour = 60;
    const auto minutes = [](int m) {
        return QStringLiteral("%1:%2")
            .arg(m / kMinutesPerHour, 2, 10, QLatin1Char('0'))
            .arg(m % kMinutesPerHour, 2, 10, QLatin1Char('0'));
    };
    QStringList parts{CardTexts::screenSummary(memory.screenWidth, memory.screenHeight, memory.brightness)};
    if (memory.altCount >= 2)
        parts << CardTexts::alternationSummary(memory.altBegin, memory.altBegin + memory.altCount - 1);
    parts << CardTexts::workSummary(minutes(memory.workStart), minutes(memory.workEnd), memory.workEnabled);
    return parts.join(QStringLiteral("　"));
}

} // namespace CardReport
