// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/telnetoptions.h"

TelnetOptions::TelnetOptions(QList<std::uint8_t> local, QList<std::uint8_t> remote)
{
    for (const std::uint8_t option : local)
        m_local.insert(option, State::Off);
    for (const std::uint8_t option : remote)
        m_remote.insert(option, State::Off);
}

QByteArray TelnetOptions::requests()
{
    QByteArray bytes;
    for (const auto& [side, verb] : {std::pair{&m_local, Telnet::kWill}, std::pair{&m_remote, Telnet::kDo}}) {
        for (auto it = side->begin(); it != side->end(); ++it) {
            if (it.value() == State::Off) {
                it.value() = State::Asked;
                bytes += Telnet::command({verb, it.key()});
            }
        }
    }
    return bytes;
}

QByteArray TelnetOptions::answer(Telnet::Command command)
{
    switch (command.verb) {
    case Telnet::kWill:
    case Telnet::kWont:
        return turn(m_remote, command.option, command.verb == Telnet::kWill, Telnet::kDo, Telnet::kDont);
    case Telnet::kDo:
    case Telnet::kDont:
        return turn(m_local, command.option, command.verb == Telnet::kDo, Telnet::kWill, Telnet::kWont);
    default:
        return {};
    }
}

QByteArray TelnetOptions::turn(QMap<std::uint8_t, State>& side, std::uint8_t option, bool on,
                               std::uint8_t yes, std::uint8_t no)
{
    const auto it = side.find(option);
    if (it == side.end())
        return on ? Telnet::command({no, option}) : QByteArray();
    State& state = it.value();
    const State before = state;
    if (on) {
        state = State::On;
        // An option this end asked for is agreed by the other's command; nothing more is said.
        return before == State::Off || before == State::Refused ? Telnet::command({yes, option})
                                                                : QByteArray();
    }
    state = before == State::Asked || before == State::Refused ? State::Refused : State::Off;
    return before == State::On ? Telnet::command({no, option}) : QByteArray();
}
