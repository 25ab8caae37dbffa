// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The port names the operator chooses from or types: "COM1" ... "COM32" as the port list shows
// them, a device path where the system has them, and a serial device server's network address.
namespace PortNames {

struct NetworkAddress {
    QString host;
    quint16 port = 0;
};

// The port number of an exact, case-sensitive name "COM1" ... "COM32".
[[nodiscard]] std::optional<int> comPortNumber(const QString& name);
[[nodiscard]] QString comName(int number);
// "tcp://HOST:PORT", a serial device server that passes the line's bytes as they are.
[[nodiscard]] std::optional<NetworkAddress> networkAddress(const QString& text);
// A device named by its path, as "/dev/ttyUSB0" (not on Windows, whose ports have COM names).
[[nodiscard]] bool isDevicePath(const QString& text);
// The entry a port scan selects: the highest port when it is above COM2, else the first one;
// -1 for an empty list.
[[nodiscard]] int preselectedIndex(const QStringList& names);
// Device paths with their numbers compared as numbers: ttyUSB2 before ttyUSB10.
[[nodiscard]] QStringList naturalOrder(QStringList paths);

} // namespace PortNames
