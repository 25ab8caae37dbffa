// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/comportserver.h"

#include "link/comportclient.h"

namespace {

using Telnet::kBinary;
using Telnet::kComPort;
using Telnet::kSuppressGoAhead;

constexpr std::uint8_t kSetLineStateMask = 10;
constexpr std::uint8_t kSetModemStateMask = 11;
constexpr std::uint8_t kPurgeData = 12;
// SET-CONTROL values that ask for or choose outbound flow control, and inbound flow control.
constexpr std::uint8_t kOutboundFlowLast = 3;
constexpr std::uint8_t kInboundFlowFirst = 13;
constexpr std::uint8_t kInboundFlowLast = 16;
constexpr std::uint8_t kNoInboundFlowControl = 14;

constexpr QByteArrayView kSignature = "p10signcard";

[[nodiscard]] QByteArray reply(std::uint8_t command, QByteArrayView value)
{
    return Telnet::subnegotiation(
        kComPort, QByteArray(1, static_cast<char>(command + Telnet::kServerReply)).append(value));
}

} // namespace

ComPortServer::ComPortServer()
    : m_options({kBinary, kSuppressGoAhead}, {kBinary, kSuppressGoAhead, kComPort})
{
}

QByteArray ComPortServer::start()
{
    return m_options.requests();
}

ComPortServer::Received ComPortServer::receive(QByteArrayView bytes)
{
    Telnet::Decoder::Result decoded = m_decoder.decode(bytes);
    Received received{std::move(decoded.data), {}};
    for (const Telnet::Event& event : decoded.events) {
        if (const auto* command = std::get_if<Telnet::Command>(&event))
            received.reply += m_options.answer(*command);
        else if (const auto& sub = std::get<Telnet::Subnegotiation>(event);
                 sub.option == kComPort && !sub.payload.isEmpty())
            received.reply += answer(sub);
    }
    return received;
}

QByteArray ComPortServer::answer(const Telnet::Subnegotiation& request)
{
    const auto command = static_cast<std::uint8_t>(request.payload.front());
    const QByteArray value = request.payload.sliced(1);
    if (command == Telnet::kSignature)
        return reply(command, kSignature);
    if (command == Telnet::kSetControl && !value.isEmpty()) {
        const auto asked = static_cast<std::uint8_t>(value.front());
        // The card's line has no flow control; modem lines and breaks change nothing it reads.
        if (asked <= kOutboundFlowLast)
            return reply(command, QByteArray(1, static_cast<char>(Telnet::kNoFlowControl)));
        if (asked >= kInboundFlowFirst && asked <= kInboundFlowLast)
            return reply(command, QByteArray(1, static_cast<char>(kNoInboundFlowControl)));
        return reply(command, value);
    }
    for (const ComPortClient::Setting& setting : ComPortClient::cardLine()) {
        if (setting.command == command)
            return reply(command, setting.value);
    }
    if (command == kSetLineStateMask || command == kSetModemStateMask || command == kPurgeData)
        return reply(command, value);
    return {};
}
