// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/carddecoder.h"

#include "card/cardframes.h"
#include "card/cardmodel.h"
#include "link/linkconstants.h"
#include "texts/cardtexts.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype kHelloSize = Link::kUploadHello.size();
constexpr int kTimeFrameSize = 3;
constexpr int kScheduleFrameSize = 6;
constexpr int kHandshakeMs = Link::kHandshakeWaitMs * Link::kHandshakeSteps;

static_assert(Link::kClockHello.size() == kHelloSize);
// Senders keep the line quiet longer than the card waits for the second half of 32 rows.
static_assert(kCardModel.exchangeQuietMs < Link::kQuietBetweenExchangesMs);

[[nodiscard]] bool isHelloStart(QByteArrayView bytes)
{
    return Link::kUploadHello.startsWith(bytes) || Link::kClockHello.startsWith(bytes);
}

} // namespace

CardDecoder::CardDecoder(CardMemory memory)
    : m_memory(std::move(memory))
{
}

void CardDecoder::feed(QByteArrayView bytes, qint64 atMs)
{
    if (bytes.isEmpty())
        return;
    settle(atMs);
    if (!m_burstOpen) {
        m_burstOpen = true;
        m_looking = m_stage != Stage::Idle;
    }
    m_lastAt = atMs;
    m_feedRowBytes = 0;
    consume(bytes, atMs);
}

void CardDecoder::consume(QByteArrayView bytes, qint64 atMs)
{
    while (!bytes.isEmpty()) {
        if (m_looking) {
            lookForHello(bytes.front(), atMs);
            bytes = bytes.sliced(1);
        } else {
            bytes = bytes.sliced(take(bytes, atMs));
        }
    }
}

// A burst that starts inside an exchange may be the hello of a new one: a sender that gave up
// and started again.
void CardDecoder::lookForHello(char byte, qint64 atMs)
{
    m_look.append(byte);
    if (!isHelloStart(m_look)) {
        replayLook(atMs);
    } else if (m_look.size() == kHelloSize) {
        m_looking = false;
        endUnfinished();
        (void)takeIdle(std::exchange(m_look, {}), atMs);
    }
}

void CardDecoder::replayLook(qint64 atMs)
{
    m_looking = false;
    consume(std::exchange(m_look, {}), atMs);
}

qsizetype CardDecoder::take(QByteArrayView bytes, qint64 atMs)
{
    if (m_stage == Stage::Idle)
        return takeIdle(bytes, atMs);
    m_current->endMs = atMs;
    if (m_stage == Stage::Rows)
        return takeRows(bytes);
    if (m_stage == Stage::Header && m_frame.isEmpty() &&
        atMs - m_helloAt < kHandshakeMs - kCardModel.arrivalSlackMs)
        problem(CardTexts::headerTooSoon(atMs - m_helloAt, kHandshakeMs));
    if (m_stage != Stage::Ignore)
        m_frame.append(bytes);
    m_current->bytes += bytes.size();
    return bytes.size();
}

qsizetype CardDecoder::takeIdle(QByteArrayView bytes, qint64 atMs)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (m_frame.isEmpty())
            m_frameAt = atMs;
        m_frame.append(bytes[i]);
        while (!m_frame.isEmpty() && !isHelloStart(m_frame)) {
            strayByte(atMs);
            m_frame.remove(0, 1);
        }
        if (m_frame.size() == kHelloSize) {
            const bool upload = m_frame == Link::kUploadHello;
            m_frame.clear();
            endStray();
            begin(upload ? CardExchange::Kind::Upload : CardExchange::Kind::ClockSet, m_frameAt);
            return i + 1;
        }
    }
    return bytes.size();
}

qsizetype CardDecoder::takeRows(QByteArrayView bytes)
{
    const qsizetype all = rowBytesFor(CardFrames::maxRows(m_memory.rowLength));
    const qsizetype half = rowBytesFor(Link::kRowsFor16);
    const qsizetype n = std::min(bytes.size(), (m_rowBytes < half ? half : all) - m_rowBytes);
    std::memcpy(m_memory.rows.data() + m_rowBytes, bytes.data(), std::size_t(n));
    m_rowBytes += n;
    m_feedRowBytes += n;
    m_current->bytes += n;
    // The sender drains the line after every chunk, so one read holds at most one chunk unless the
    // reader fell a whole chunk's line time behind.
    if (m_linePaced && m_feedRowBytes > Link::kChunkSize && !m_chunkReported) {
        m_chunkReported = true;
        problem(CardTexts::chunkTooLong(m_feedRowBytes, Link::kChunkSize));
    }
    if (m_rowBytes > rowBytesFor(Link::kRowsFor16))
        m_memory.screenHeight = Link::kRowsFor32;
    if (m_rowBytes == all)
        finish(true);
    else if (m_rowBytes == half)
        // A complete upload to a 16-row sign, unless 16 more rows follow: a greeting here
        // begins the next exchange.
        m_looking = true;
    return n;
}

void CardDecoder::settle(qint64 nowMs)
{
    if (m_burstOpen && nowMs - m_lastAt >= kCardModel.framePauseMs) {
        m_burstOpen = false;
        pauseCame();
    }
    if (m_stage != Stage::Idle && !m_burstOpen && nowMs - m_lastAt >= quietMs()) {
        endUnfinished();
    }
}

void CardDecoder::lineEnded()
{
    if (m_burstOpen) {
        m_burstOpen = false;
        pauseCame();
    }
    endUnfinished();
}

std::optional<qint64> CardDecoder::settleDueMs() const
{
    if (m_burstOpen)
        return m_lastAt + kCardModel.framePauseMs;
    if (m_stage != Stage::Idle)
        return m_lastAt + quietMs();
    return std::nullopt;
}

qint64 CardDecoder::quietMs() const
{
    // After the hello the sender waits three seconds before the header.
    return kCardModel.exchangeQuietMs + (m_stage == Stage::Header ? kHandshakeMs : 0);
}

void CardDecoder::pauseCame()
{
    if (m_looking)
        replayLook(m_lastAt);
    if (m_stage == Stage::Idle) {
        for (qsizetype i = 0; i < m_frame.size(); ++i)
            strayByte(m_lastAt);
        m_frame.clear();
        endStray();
        return;
    }
    if (!m_frame.isEmpty())
        frameEnded();
}

// A fixed-size frame stands alone between pauses; one of another size cannot be read, and what
// follows it up to the next hello is ignored.
void CardDecoder::frameEnded()
{
    const QByteArray frame = std::exchange(m_frame, {});
    const auto expect = [&](const QString& name, int size) {
        if (frame.size() == size)
            return true;
        problem(CardTexts::wrongFrameSize(name, frame.size(), size));
        m_stage = Stage::Ignore;
        return false;
    };
    switch (m_stage) {
    case Stage::Header:
        if (!expect(CardTexts::headerFrame(), Link::kHeaderSize))
            return;
        for (const QString& text : CardFrames::takeHeader(frame, m_memory))
            problem(text);
        m_stage = Stage::Rows;
        m_rowBytes = 0;
        if (m_memory.rowLength == 0)
            finish(true);
        return;
    case Stage::Time:
        if (!expect(CardTexts::timeFrame(), kTimeFrameSize))
            return;
        if (const std::optional<QTime> time = CardFrames::readTime(frame)) {
            m_memory.clockSetTo = time;
            m_memory.clockSetAtMs = m_lastAt;
        } else {
            problem(CardTexts::notATime(QString::fromLatin1(frame.toHex(' '))));
        }
        m_stage = Stage::Schedule;
        return;
    case Stage::Schedule:
        if (!expect(CardTexts::scheduleFrame(), kScheduleFrameSize))
            return;
        CardFrames::takeSchedule(frame, m_memory);
        finish(true);
        return;
    case Stage::Idle:
    case Stage::Rows:
    case Stage::Ignore:
        return;
    }
}

void CardDecoder::begin(CardExchange::Kind kind, qint64 atMs)
{
    m_current = CardExchange{kind, atMs, m_lastAt, kHelloSize, false, {}};
    m_helloAt = atMs;
    m_chunkReported = false;
    m_stage = kind == CardExchange::Kind::Upload ? Stage::Header : Stage::Time;
}

// The exchange ends without its last frame: the line fell quiet, or a new hello came.
void CardDecoder::endUnfinished()
{
    switch (m_stage) {
    case Stage::Idle:
        return;
    case Stage::Header:
        problem(CardTexts::wrongFrameSize(CardTexts::headerFrame(), 0, Link::kHeaderSize));
        break;
    case Stage::Rows: {
        // Only the length of the rows tells a 16-row sign from the first half of a 32-row one.
        const qsizetype half = rowBytesFor(Link::kRowsFor16);
        if (m_rowBytes == half) {
            finish(true);
            return;
        }
        problem(CardTexts::rowsMismatch(m_rowBytes, m_memory.rowLength,
                                        m_rowBytes < half ? Link::kRowsFor16 : Link::kRowsFor32));
        break;
    }
    case Stage::Time:
        problem(CardTexts::wrongFrameSize(CardTexts::timeFrame(), 0, kTimeFrameSize));
        break;
    case Stage::Schedule:
        problem(CardTexts::wrongFrameSize(CardTexts::scheduleFrame(), 0, kScheduleFrameSize));
        break;
    case Stage::Ignore:
        break;
    }
    finish(false);
}

void CardDecoder::finish(bool complete)
{
    m_current->complete = complete;
    m_finished.append(*std::exchange(m_current, std::nullopt));
    m_anyExchange = true;
    m_stage = Stage::Idle;
    m_frame.clear();
}

void CardDecoder::problem(const QString& text)
{
    m_current->problems.append(text);
}

void CardDecoder::strayByte(qint64 atMs)
{
    if (!m_stray)
        m_stray = CardExchange{CardExchange::Kind::Stray, atMs, atMs, 0, false, {}};
    ++m_stray->bytes;
    m_stray->endMs = atMs;
}

void CardDecoder::endStray()
{
    if (!m_stray)
        return;
    m_stray->problems.append(m_anyExchange ? CardTexts::bytesAfterEnd(m_stray->bytes)
                                           : CardTexts::bytesWithoutHello(m_stray->bytes));
    m_finished.append(*std::exchange(m_stray, std::nullopt));
}

qsizetype CardDecoder::rowBytesFor(int rows) const
{
    return qsizetype(rows) * m_memory.rowLength;
}

QList<CardExchange> CardDecoder::takeFinished()
{
    return std::exchange(m_finished, {});
}
