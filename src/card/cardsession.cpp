// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardsession.h"

#include "card/cardline.h"

#include <QDateTime>
#include <QTimer>

CardSession::CardSession(CardLine& line, const CardMemory& kept, std::optional<int> width, QObject* parent)
    : QObject(parent)
    , m_decoder(kept)
    , m_memory(kept)
    , m_width(width)
    , m_startMs(QDateTime::currentMSecsSinceEpoch())
    , m_settle(new QTimer(this))
{
    m_steady.start();
    m_decoder.setLinePaced(line.isPaced());
    m_playStartMs = m_startMs;
    if (m_width)
        m_memory.screenWidth = *m_width;
    // A coarse timer may fire early, and settling before the pause is due decides nothing.
    m_settle->setTimerType(Qt::PreciseTimer);
    m_settle->setSingleShot(true);
    connect(m_settle, &QTimer::timeout, this, &CardSession::settle);
    connect(&line, &CardLine::received, this, &CardSession::receive);
    connect(&line, &CardLine::senderGone, this, &CardSession::lineEnded);
    connect(&line, &CardLine::failed, this, &CardSession::lineEnded);
}

qint64 CardSession::nowMs() const
{
    return m_startMs + m_steady.elapsed();
}

SignTime CardSession::signTime() const
{
    return signTimeAt(nowMs());
}

SignTime CardSession::signTimeAt(qint64 ms) const
{
    return {ms - m_playStartMs, m_memory.clockAt(ms)};
}

void CardSession::receive(const QByteArray& bytes)
{
    const bool wasReceiving = m_decoder.current().has_value();
    m_decoder.feed(bytes, nowMs());
    afterDecoding(wasReceiving);
}

void CardSession::settle()
{
    m_decoder.settle(nowMs());
    afterDecoding(true);
}

void CardSession::lineEnded()
{
    m_decoder.lineEnded();
    afterDecoding(true);
}

void CardSession::afterDecoding(bool wasReceiving)
{
    const QList<CardExchange> finished = m_decoder.takeFinished();
    if (!finished.isEmpty()) {
        m_memory = m_decoder.memory();
        if (m_width)
            m_memory.screenWidth = *m_width;
    }
    for (const CardExchange& exchange : finished) {
        if (exchange.kind == CardExchange::Kind::Upload)
            m_playStartMs = exchange.endMs;
        emit exchangeFinished(exchange);
    }
    // A hello can end one exchange and begin the next in the same read.
    if (m_decoder.current() && (!wasReceiving || !finished.isEmpty()))
        emit exchangeStarted();
    if (const std::optional<qint64> due = m_decoder.settleDueMs())
        m_settle->start(int(std::max<qint64>(0, *due - nowMs())));
    else
        m_settle->stop();
}
