// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/carddecoder.h"
#include "card/signplayer.h"

#include <QElapsedTimer>
#include <QObject>
#include <optional>

class CardLine;
class QTimer;

// A card at work: what a line receives goes into the decoder with the time it came, the pauses
// that end frames are noticed by a timer rather than by polling, and each finished exchange is
// announced with the memory the sign then plays. Times are milliseconds since the epoch, counted
// on a steady clock from the start, so the card's clock survives a restart when its memory is
// kept and never runs backwards when the computer's clock is set.
class CardSession : public QObject {
    Q_OBJECT

public:
    // kept: the memory as the card kept it. width: the sign's width in bytes when its owner knows
    // it better than an upload tells it.
    CardSession(CardLine& line, const CardMemory& kept, std::optional<int> width, QObject* parent = nullptr);

    // What the sign plays: the memory as the last exchange left it.
    [[nodiscard]] const CardMemory& memory() const { return m_memory; }
    // The exchange under way, if any.
    [[nodiscard]] const std::optional<CardExchange>& current() const { return m_decoder.current(); }
    [[nodiscard]] qint64 nowMs() const;
    // The moment of the sign's playing now: since the last upload (or the start), by the card's clock.
    [[nodiscard]] SignTime signTime() const;
    [[nodiscard]] SignTime signTimeAt(qint64 ms) const;

signals:
    void exchangeStarted();
    // memory() already holds what the exchange left.
    void exchangeFinished(const CardExchange& exchange);

private:
    void receive(const QByteArray& bytes);
    void settle();
    void lineEnded();
    void afterDecoding(bool wasReceiving);

    CardDecoder m_decoder;
    CardMemory m_memory;
    std::optional<int> m_width;
    qint64 m_startMs = 0;
    QElapsedTimer m_steady;
    qint64 m_playStartMs = 0;
    QTimer* m_settle = nullptr;
};
