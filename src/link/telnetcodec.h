// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <cstdint>
#include <variant>

// The telnet framing that serial device servers speak in their telnet mode: data with every 0xFF
// doubled, option commands and subnegotiations. Bytes in, bytes and events out; the sockets that
// carry them are elsewhere. Used by the network line to a server and by the virtual card's listener.
namespace Telnet {

inline constexpr std::uint8_t kIac = 255;
inline constexpr std::uint8_t kDont = 254;
inline constexpr std::uint8_t kDo = 253;
inline constexpr std::uint8_t kWont = 252;
inline constexpr std::uint8_t kWill = 251;
inline constexpr std::uint8_t kSb = 250;
inline constexpr std::uint8_t kSe = 240;

inline constexpr std::uint8_t kBinary = 0;
inline constexpr std::uint8_t kEcho = 1;
inline constexpr std::uint8_t kSuppressGoAhead = 3;
inline constexpr std::uint8_t kComPort = 44;

// The COM port option's commands (the first payload byte); a server answers each with its own
// code plus kServerReply and the value it has now set.
inline constexpr std::uint8_t kSignature = 0;
inline constexpr std::uint8_t kSetBaudRate = 1; // four bytes, most significant first
inline constexpr std::uint8_t kSetDataSize = 2;
inline constexpr std::uint8_t kSetParity = 3;
inline constexpr std::uint8_t kSetStopSize = 4;
inline constexpr std::uint8_t kSetControl = 5;
inline constexpr std::uint8_t kServerReply = 100;
inline constexpr std::uint8_t kNoParity = 1;
inline constexpr std::uint8_t kOneStopBit = 1;
inline constexpr std::uint8_t kNoFlowControl = 1; // SET-CONTROL: no flow control, both ways

// WILL, WONT, DO or DONT and the option it is about.
struct Command {
    std::uint8_t verb = 0;
    std::uint8_t option = 0;

    friend bool operator==(const Command&, const Command&) = default;
};

// IAC SB option payload IAC SE, with the payload's doubled 0xFF undone.
struct Subnegotiation {
    std::uint8_t option = 0;
    QByteArray payload;

    friend bool operator==(const Subnegotiation&, const Subnegotiation&) = default;
};

using Event = std::variant<Command, Subnegotiation>;

// Data as it goes into the stream: every 0xFF doubled.
[[nodiscard]] QByteArray escaped(QByteArrayView data);
[[nodiscard]] QByteArray command(Command command);
[[nodiscard]] QByteArray subnegotiation(std::uint8_t option, QByteArrayView payload);

// Splits a received stream into its data and its events. A sequence cut between two reads is
// finished by the next one; other two-byte commands (no-operation, go-ahead …) carry nothing
// for a serial line and are dropped.
class Decoder {
public:
    struct Result {
        QByteArray data;
        QList<Event> events;
    };

    [[nodiscard]] Result decode(QByteArrayView bytes);

private:
    enum class State { Data, Iac, Option, Sub, SubIac };

    State m_state = State::Data;
    std::uint8_t m_verb = 0;
    QByteArray m_sub; // the option, then the payload, of a subnegotiation under way
};

} // namespace Telnet
