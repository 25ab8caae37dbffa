// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The port names the operator chooses from or types: "COM1" ... "COM32" as the port list shows
// them, a device path where the system has them, and a serial device server's network address.
namespace PortNames {

struct NetworkAddress {
    enum class Protocol {
        Raw,     // "tcp://": the server passes the line's bytes as they are
        Rfc2217, // "rfc2217://": telnet with the COM port option
    };

    Protocol protocol = Protocol::Raw;
    QString host;
    quint16 port = 0;
};

// The port number of an exact, case-sensitive name "COM1" ... "COM32".
[[nodiscard]] std::optional<int> comPortNumber(const QString& name);
[[nodiscard]] QString comName(int number);
// "tcp://HOST:PORT" or "rfc2217://HOST:PORT", a serial device server on the network.
[[nodiscard]] std::optional<NetworkAddress> networkAddress(const QString& text);
// Where a virtual card listens: as networkAddress(), but the host may be left out for the loopback
// ("tcp://:4001") and port 0 lets the system choose one.
[[nodiscard]] std::optional<NetworkAddress> listenAddress(const QString& text);
// The text a sender types for an address: "rfc2217://127.0.0.1:4001".
[[nodiscard]] QString addressText(const NetworkAddress& address);
// A device named by its path, as "/dev/ttyUSB0" (not on Windows, whose ports have COM names).
[[nodiscard]] bool isDevicePath(const QString& text);
// A pseudo-terminal of Linux or macOS, or a link to one: it has no baud rate, and tells a writer
// nothing of the bytes its reader has not yet taken.
[[nodiscard]] bool isPseudoTerminal(const QString& device);
// The entry a port scan selects: the highest port when it is above COM2, else the first one;
// -1 for an empty list.
[[nodiscard]] int preselectedIndex(const QStringList& names);
// Device paths with their numbers compared as numbers: ttyUSB2 before ttyUSB10.
[[nodiscard]] QStringList naturalOrder(QStringList paths);

} // namespace PortNames
