// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why this user may not open a device, and what to do about it. Serial adapters on Linux belong
// to a group (usually "dialout") that a new user is not in; the open then fails like a busy port.
namespace PortAccess {

// The reason and the remedy when reading and writing the device are not permitted; empty when
// they are, or when the device is not there at all.
[[nodiscard]] QString permissionProblem(const QString& device);

} // namespace PortAccess
