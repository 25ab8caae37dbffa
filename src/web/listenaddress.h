// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QString>
#include <optional>

// Where the service listens, as --listen gives it: "127.0.0.1:8080", "[::1]:8080",
// "0.0.0.0:8080" or "localhost:8080". Names other than localhost are refused: the service
// listens on an address of this computer, which needs no name service to be found.
struct ListenAddress {
    static constexpr quint16 kDefaultPort = 8080;

    QHostAddress host{QHostAddress::LocalHost};
    quint16 port = kDefaultPort; // 0 takes a free port

    [[nodiscard]] static std::optional<ListenAddress> parse(const QString& text);
    // Only this computer's own programs and browsers reach it.
    [[nodiscard]] bool loopback() const { return host.isLoopback(); }
    // "http://127.0.0.1:8080/", with the port the system gave when port is 0.
    [[nodiscard]] QString url(bool tls, quint16 boundPort) const;
};
