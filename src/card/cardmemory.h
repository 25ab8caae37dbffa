// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/linkconstants.h"
#include "model/limits.h"

#include <QByteArray>
#include <QTime>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

// One message as the card holds it: its mode byte and where its bytes sit in every row block.
struct CardMessage {
    std::uint8_t modeByte = 0;
    int offset = 0;
    int length = 0; // byte columns

    [[nodiscard]] Link::ShowCode showCode() const
    {
        return static_cast<Link::ShowCode>(modeByte & Link::kShowCodeBits);
    }
    [[nodiscard]] int speed() const { return ((modeByte & Link::kSpeedBits) / Link::kSpeedFactor) + 1; }
    [[nodiscard]] bool flash() const { return (modeByte & Link::kFlashBit) != 0; }
    [[nodiscard]] bool loopLamp() const { return (modeByte & Link::kLoopLampBit) != 0; }

    friend bool operator==(const CardMessage&, const CardMessage&) = default;
};

// The card's clock at some moment: the time of day and how many midnights it has passed since
// it was set.
struct CardClock {
    QTime timeOfDay{0, 0};
    int daysPassed = 0;
};

// What the control card holds after the uploads and clock sets it has received. The decoder fills
// it from the wire, the player shows it; a project gives one through CardFrames::memoryOf.
struct CardMemory {
    // From the upload. The width is not sent: it is the one that explains message 0's frame count,
    // unless whoever holds the memory knows the sign's width better.
    int screenWidth = 16;                  // bytes
    int screenHeight = 16;                 // pixel rows: 16 or 32, by the number of rows that arrived
    int brightness = Link::kMaxBrightness; // 1 (dim) .. 4
    int frameCount = 0;                    // message 0's length in screen widths, as the header tells it
    int altBegin = 0;
    int altCount = 0; // below 2: no alternation group
    std::optional<int> clockMessage;
    int hourPosition = 0; // byte columns inside the clock message
    int minutePosition = 0;
    std::optional<int> daysMessage;
    int daysPosition = 0;
    std::array<CardMessage, kMessageCount> messages{};
    int rowLength = 0; // bytes of one row block
    QByteArray rows;   // the row blocks, row 0 first; bytes not yet received are 0

    // From the clock set. Times are on the scale of the arrival times the decoder was given.
    std::optional<QTime> clockSetTo;
    qint64 clockSetAtMs = 0;
    int countdownDays = 0;
    int workStart = 0; // minutes after midnight
    int workEnd = 0;
    bool workEnabled = false;

    // Message m's bytes in pixel row r: its length, or fewer when the rows hold less.
    [[nodiscard]] std::span<const std::uint8_t> messageRow(int m, int row) const;
    // A card whose clock was never set runs from midnight at time 0.
    [[nodiscard]] CardClock clockAt(qint64 ms) const;
    [[nodiscard]] bool inAltGroup(int m) const
    {
        return altCount >= 2 && m >= altBegin && m < altBegin + altCount;
    }

    friend bool operator==(const CardMemory&, const CardMemory&) = default;
};
