// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardmemory.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>
#include <optional>

// One exchange as the card received it, for a log: what it was, when its first and last bytes
// came, how many bytes it took and what was wrong with them.
struct CardExchange {
    enum class Kind { Upload, ClockSet, Stray };

    Kind kind = Kind::Stray; // Stray: bytes outside any exchange
    qint64 startMs = 0;
    qint64 endMs = 0;
    qsizetype bytes = 0;
    bool complete = false; // every frame came whole and the card took it
    QStringList problems;
};

// The card's side of the line: takes bytes as they come off the port, with the time they came,
// and keeps the card's memory up to date, checking every frame. Frames carry no length or end
// marker, so pauses of the line tell where a frame ends; settle() tells the decoder the line has
// stayed quiet. Used by the virtual card; any scale of milliseconds will do for the times.
class CardDecoder {
public:
    CardDecoder() = default;
    // Starts from a memory the card kept, as it keeps it without power.
    explicit CardDecoder(CardMemory memory);

    // A line without a baud rate, such as a pseudo-terminal, hands the card what the sender wrote
    // as fast as the sender wrote it, so how much one read holds tells nothing about its chunks.
    void setLinePaced(bool paced) { m_linePaced = paced; }

    // The bytes one read gave, all come at atMs. Times must not go backwards.
    void feed(QByteArrayView bytes, qint64 atMs);
    // Nothing came from the last bytes until nowMs.
    void settle(qint64 nowMs);
    // Nothing more comes from this sender (it left, or the line broke): whatever waits for a
    // pause is decided now, so an upload whose rows all came is kept.
    void lineEnded();
    // When settle() next has something to decide, if anything waits for a pause.
    [[nodiscard]] std::optional<qint64> settleDueMs() const;

    [[nodiscard]] const CardMemory& memory() const { return m_memory; }
    // The exchange under way, if any.
    [[nodiscard]] const std::optional<CardExchange>& current() const { return m_current; }
    // Exchanges ended since the last call, oldest first.
    [[nodiscard]] QList<CardExchange> takeFinished();

private:
    enum class Stage { Idle, Header, Rows, Time, Schedule, Ignore };

    // Each byte either to the look for a new hello or to the exchange under way.
    void consume(QByteArrayView bytes, qint64 atMs);
    [[nodiscard]] qsizetype take(QByteArrayView bytes, qint64 atMs);
    [[nodiscard]] qsizetype takeIdle(QByteArrayView bytes, qint64 atMs);
    [[nodiscard]] qsizetype takeRows(QByteArrayView bytes);
    void lookForHello(char byte, qint64 atMs);
    void replayLook(qint64 atMs);
    void pauseCame();
    void frameEnded();
    void begin(CardExchange::Kind kind, qint64 atMs);
    void endUnfinished();
    void finish(bool complete);
    void problem(const QString& text);
    void strayByte(qint64 atMs);
    void endStray();
    [[nodiscard]] qint64 quietMs() const;
    [[nodiscard]] qsizetype rowBytesFor(int rows) const;

    CardMemory m_memory;
    Stage m_stage = Stage::Idle;
    QByteArray m_frame; // the hello or fixed-size frame being gathered
    QByteArray m_look;  // the start of a burst inside an exchange, which may be a new hello
    bool m_looking = false;
    qint64 m_frameAt = 0; // arrival of the first byte of a hello
    qint64 m_helloAt = 0;
    qint64 m_lastAt = 0;
    bool m_burstOpen = false; // bytes came and no pause yet
    qsizetype m_rowBytes = 0;
    qsizetype m_feedRowBytes = 0;
    bool m_chunkReported = false;
    bool m_linePaced = true;
    bool m_anyExchange = false;
    std::optional<CardExchange> m_current;
    std::optional<CardExchange> m_stray;
    QList<CardExchange> m_finished;
};
