// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/telnetcodec.h"

#include <QByteArray>
#include <QList>
#include <QMap>

// One end's telnet options: it asks for the options it wants, agrees when the other end asks for
// one of them, refuses every other, and answers only when an option's state changes, so that the
// two ends never answer each other for ever. Both ends of a device server's telnet mode use it.
class TelnetOptions {
public:
    enum class State { Off, Asked, On, Refused };

    // local: options this end enables itself (WILL); remote: those it wants the other end to
    // enable (DO).
    TelnetOptions(QList<std::uint8_t> local, QList<std::uint8_t> remote);

    // WILL and DO for every wanted option.
    [[nodiscard]] QByteArray requests();
    // The answer to the other end's command; empty when none is due.
    [[nodiscard]] QByteArray answer(Telnet::Command command);

    [[nodiscard]] State local(std::uint8_t option) const { return m_local.value(option, State::Off); }
    [[nodiscard]] State remote(std::uint8_t option) const { return m_remote.value(option, State::Off); }

private:
    // One side's option: what the command that turns it on (or off) does to it, and the reply.
    [[nodiscard]] static QByteArray turn(QMap<std::uint8_t, State>& side, std::uint8_t option, bool on,
                                         std::uint8_t yes, std::uint8_t no);

    QMap<std::uint8_t, State> m_local;  // wanted options only
    QMap<std::uint8_t, State> m_remote; // wanted options only
};
