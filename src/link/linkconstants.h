// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <array>
#include <cstdint>

// Fixed values of the serial line and of the two exchanges with the control card.
namespace Link {

inline constexpr int kBaudRate = 9600;
inline constexpr int kBytesPerSecond = 960; // 10 bits a byte on the line: start, 8 data, stop
inline constexpr int kPortCount = 32;       // "COM1" ... "COM32"

// Upload.
inline constexpr QByteArrayView kUploadHello = "Hello32";
inline constexpr int kHandshakeWaitMs = 1000; // three of them: the card answers nothing
inline constexpr int kHandshakeSteps = 3;
inline constexpr int kHeaderSettleMs = 300;
inline constexpr int kHeaderSize = 95;
inline constexpr int kChunkSize = 320;
inline constexpr int kRowCapacity16 = 3584; // bytes per row on a 16-dot screen
inline constexpr int kRowCapacity32 = 1792; // the same card memory as 32 shorter rows
inline constexpr int kRowsFor16 = 16;
inline constexpr int kRowsFor32 = 32;
inline constexpr int kProgressRowOffset = 4; // row r shows r + 4; 1..3 count the handshake

inline constexpr int kHeaderWidthFrames = 1;
inline constexpr int kHeaderBrightness = 2;
inline constexpr int kHeaderAltBegin = 3;
inline constexpr int kHeaderAltCount = 4;
inline constexpr int kHeaderTotalLength = 5; // two bytes, high first
inline constexpr int kHeaderClockMessage = 7;
inline constexpr int kHeaderHourPosition = 8;
inline constexpr int kHeaderMinutePosition = 9;
inline constexpr int kHeaderDaysMessage = 10;
inline constexpr int kHeaderDaysPosition = 11;
inline constexpr int kHeaderFiller = 12; // three bytes 0xFF
inline constexpr int kHeaderFillerCount = 3;
inline constexpr int kHeaderModes = 15;
inline constexpr int kHeaderDirectory = 31; // four bytes a message: offset, length
inline constexpr int kDirectoryEntrySize = 4;
inline constexpr std::uint8_t kFillerByte = 0xFF;
inline constexpr std::uint8_t kNoMessage = 0x11; // the card reads 17, not 16, as "no message"
inline constexpr int kMaxBrightness = 4;

inline constexpr int kLoopLampBit = 128;
inline constexpr int kFlashBit = 8;
inline constexpr int kSpeedFactor = 16; // bits 6..4 hold speed - 1
inline constexpr int kSpeedBits = 0x70;
inline constexpr int kShowCodeBits = 0x07;

// The card's show-mode codes, bits 2..0 of a mode byte.
enum class ShowCode : std::uint8_t {
    MoveLeft = 0,
    MoveRight = 1,
    Up = 2,
    Down = 3,
    Fixed = 4,
    Animation = 5,
    Stacking = 6,
    Split = 7,
};
// Show-mode list entry -> the card's code. The list and the codes part ways at entry 5: code 5
// is the animation that only message 0 offers, as the list's eighth entry.
inline constexpr std::array<ShowCode, 8> kShowCodes{
    ShowCode::MoveLeft, ShowCode::MoveRight, ShowCode::Up,    ShowCode::Down,
    ShowCode::Fixed,    ShowCode::Stacking,  ShowCode::Split, ShowCode::Animation};

// Clock set.
inline constexpr QByteArrayView kClockHello = "HelloC2";
inline constexpr int kClockStepWaitMs = 200;
inline constexpr int kClockProgressMax = 4;
inline constexpr int kWorkTimeEnabledBit = 128;
inline constexpr int kCountdownDaysMax = 999; // the card shows three digits

// A drain gives up when the line has fallen this far behind the time 9600 baud needs for every
// byte written so far: queued bytes that stop leaving mean a stalled line or a hung driver.
inline constexpr int kStallMarginMs = 2000;
// Longest pause between two looks at the queue while draining.
inline constexpr int kDrainRecheckMaxMs = 250;

// A serial device server on the local network answers a connection within milliseconds; one that
// has not answered by then is not there.
inline constexpr int kConnectTimeoutMs = 3000;
// A telnet server starts its negotiation as soon as a client connects; a raw server that has said
// nothing this long after the connection is taken to be raw.
inline constexpr int kTelnetProbeMs = 500;
// A serial port's queue reads empty while its UART still holds this much to send; a network
// line counts its far end's line the same way, so that the next chunk arrives before that line
// falls idle.
inline constexpr int kUartFifoBytes = 16;
inline constexpr int kReadyRecheckMs = 1000;
// How long a pseudo-terminal's writes count as queued: time for a reader that keeps to the line's
// pace to stop the writer before the next chunk.
inline constexpr int kPseudoTerminalReaderMs = 10;

// The line stays quiet this long after an exchange before the next one on the same port: after
// 16 rows the card waits about as long for 16 more before it takes a new greeting as one.
inline constexpr int kQuietBetweenExchangesMs = 3000;

} // namespace Link
