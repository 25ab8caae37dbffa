// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The port names the operator chooses from: "COM1" ... "COM32", nothing else.
namespace PortNames {

// The port number of an exact, case-sensitive name "COM1" ... "COM32".
[[nodiscard]] std::optional<int> comPortNumber(const QString& name);
[[nodiscard]] QString comName(int number);
// The entry a port scan selects: the highest port when it is above COM2, else the first one;
// -1 for an empty list.
[[nodiscard]] int preselectedIndex(const QStringList& names);
// Device paths with their numbers compared as numbers: ttyUSB2 before ttyUSB10.
[[nodiscard]] QStringList naturalOrder(QStringList paths);

} // namespace PortNames
