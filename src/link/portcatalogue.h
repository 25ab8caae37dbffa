// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One port of the port list.
struct PortEntry {
    QString name;        // "COM1" ... "COM32"
    QString device;      // what the line opens: "COM3", "/dev/ttyUSB0"
    QString description; // what the system calls it, such as the adapter's product name
    QString problem;     // why it cannot be opened and how to mend that; empty when it can
};

// Which ports the machine has now. The port list shows them, the transfer commands look again
// before every exchange and open the device that the chosen name stands for.
class PortCatalogue {
public:
    virtual ~PortCatalogue() = default;

    // In ascending order of their names: the ports that can be opened now, and those that cannot
    // for a reason the operator can mend (a missing permission), with that reason.
    [[nodiscard]] virtual QList<PortEntry> scan() = 0;
};
