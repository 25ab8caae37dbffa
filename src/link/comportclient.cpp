// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/comportclient.h"

#include "link/linkconstants.h"
#include "texts/linktexts.h"

#include <QtEndian>

namespace {

using Telnet::kBinary;
using Telnet::kComPort;
using Telnet::kSuppressGoAhead;

[[nodiscard]] QByteArray byte(std::uint8_t value)
{
    return QByteArray(1, static_cast<char>(value));
}

[[nodiscard]] QString settingName(std::uint8_t command)
{
    switch (command) {
    case Telnet::kSetBaudRate:
        return LinkTexts::baudRate();
    case Telnet::kSetDataSize:
        return LinkTexts::dataBits();
    case Telnet::kSetParity:
        return LinkTexts::parity();
    case Telnet::kSetStopSize:
        return LinkTexts::stopBits();
    default:
        return LinkTexts::flowControl();
    }
}

[[nodiscard]] QString valueText(const QByteArray& value)
{
    quint64 number = 0;
    for (const char byte : value)
        number = number << 8 | static_cast<std::uint8_t>(byte);
    return QString::number(number);
}

} // namespace

QList<ComPortClient::Setting> ComPortClient::cardLine()
{
    QByteArray baud(4, '\0');
    qToBigEndian(static_cast<quint32>(Link::kBaudRate), baud.data());
    return {{Telnet::kSetBaudRate, baud},
            {Telnet::kSetDataSize, byte(8)},
            {Telnet::kSetParity, byte(Telnet::kNoParity)},
            {Telnet::kSetStopSize, byte(Telnet::kOneStopBit)},
            {Telnet::kSetControl, byte(Telnet::kNoFlowControl)}};
}

ComPortClient::ComPortClient()
    : m_options({kBinary, kSuppressGoAhead, kComPort}, {kBinary, kSuppressGoAhead})
    , m_unacknowledged(cardLine())
{
}

QByteArray ComPortClient::start()
{
    return m_options.requests();
}

ComPortClient::Received ComPortClient::receive(QByteArrayView bytes)
{
    Telnet::Decoder::Result decoded = m_decoder.decode(bytes);
    Received received{std::move(decoded.data), {}};
    for (const Telnet::Event& event : decoded.events)
        received.reply += handle(event);
    // The settings go once the server has taken the option that carries them.
    if (!m_settingsSent && m_options.local(kComPort) == TelnetOptions::State::On) {
        m_settingsSent = true;
        for (const Setting& setting : m_unacknowledged)
            received.reply += Telnet::subnegotiation(kComPort, byte(setting.command) + setting.value);
    }
    updateState();
    return received;
}

QByteArray ComPortClient::handle(const Telnet::Event& event)
{
    if (const auto* command = std::get_if<Telnet::Command>(&event))
        return m_options.answer(*command);
    const auto& sub = std::get<Telnet::Subnegotiation>(event);
    if (sub.option == kComPort && !sub.payload.isEmpty())
        check(sub);
    return {};
}

// Line and modem state notices and the like need no answer; acknowledgements of the settings
// must carry the value asked for.
void ComPortClient::check(const Telnet::Subnegotiation& reply)
{
    const auto command = static_cast<std::uint8_t>(reply.payload.front() - Telnet::kServerReply);
    const QByteArray value = reply.payload.sliced(1);
    for (qsizetype i = 0; i < m_unacknowledged.size(); ++i) {
        const Setting& setting = m_unacknowledged.at(i);
        if (setting.command != command)
            continue;
        if (value != setting.value)
            refuse(LinkTexts::settingRefused().arg(settingName(command), valueText(setting.value),
                                                   valueText(value)));
        m_unacknowledged.removeAt(i);
        return;
    }
}

void ComPortClient::refuse(const QString& text)
{
    if (m_state == State::Refused)
        return;
    m_state = State::Refused;
    m_refusal = text;
}

void ComPortClient::updateState()
{
    using Option = TelnetOptions::State;
    if (m_options.local(kComPort) == Option::Refused)
        refuse(LinkTexts::comPortRefused());
    if (m_options.local(kBinary) == Option::Refused || m_options.remote(kBinary) == Option::Refused)
        refuse(LinkTexts::binaryRefused());
    const bool binary = m_options.local(kBinary) == Option::On && m_options.remote(kBinary) == Option::On;
    // Without binary transfer a server may change bytes after a carriage return.
    if (m_state == State::Ready && !binary)
        refuse(LinkTexts::binaryRefused());
    if (m_state == State::Negotiating && m_settingsSent && m_unacknowledged.isEmpty() && binary)
        m_state = State::Ready;
}
