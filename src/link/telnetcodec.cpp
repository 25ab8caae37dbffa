// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/telnetcodec.h"

namespace Telnet {

namespace {

constexpr char kIacChar = static_cast<char>(kIac);

[[nodiscard]] bool isOptionVerb(std::uint8_t byte)
{
    return byte >= kWill && byte <= kDont;
}

} // namespace

QByteArray escaped(QByteArrayView data)
{
    QByteArray out;
    out.reserve(data.size() + data.count(kIacChar));
    for (const char byte : data) {
        out.append(byte);
        if (byte == kIacChar)
            out.append(byte);
    }
    return out;
}

QByteArray command(Command command)
{
    const char bytes[] = {kIacChar, static_cast<char>(command.verb), static_cast<char>(command.option)};
    return QByteArray(bytes, sizeof bytes);
}

QByteArray subnegotiation(std::uint8_t option, QByteArrayView payload)
{
    const char start[] = {kIacChar, static_cast<char>(kSb), static_cast<char>(option)};
    const char end[] = {kIacChar, static_cast<char>(kSe)};
    return QByteArray(start, sizeof start) + escaped(payload) + QByteArray(end, sizeof end);
}

Decoder::Result Decoder::decode(QByteArrayView bytes)
{
    Result result;
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        switch (m_state) {
        case State::Data:
            if (byte == kIac)
                m_state = State::Iac;
            else
                result.data.append(c);
            break;
        case State::Iac:
            m_state = State::Data;
            if (byte == kIac) {
                result.data.append(c);
            } else if (byte == kSb) {
                m_sub.clear();
                m_state = State::Sub;
            } else if (isOptionVerb(byte)) {
                m_verb = byte;
                m_state = State::Option;
            }
            break;
        case State::Option:
            result.events.append(Command{m_verb, byte});
            m_state = State::Data;
            break;
        case State::Sub:
            if (byte == kIac)
                m_state = State::SubIac;
            else
                m_sub.append(c);
            break;
        case State::SubIac:
            if (byte == kIac) {
                m_sub.append(c);
                m_state = State::Sub;
            } else if (byte == kSe) {
                if (!m_sub.isEmpty())
                    result.events.append(
                        Subnegotiation{static_cast<std::uint8_t>(m_sub.front()), m_sub.sliced(1)});
                m_state = State::Data;
            } else {
                // A command inside a subnegotiation is not allowed; it is passed over.
                m_state = State::Sub;
            }
            break;
        }
    }
    return result;
}

} // namespace Telnet
