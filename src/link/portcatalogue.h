// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Which COM names exist and which device each stands for. The port scan at start-up asks for the
// names; the transfer commands turn the chosen name into the device they open.
class PortCatalogue {
public:
    virtual ~PortCatalogue() = default;

    // The names of the ports that can be opened now, "COM1" ... "COM32", in ascending order.
    [[nodiscard]] virtual QStringList scan() = 0;
    // The device behind a name; empty when the name stands for none.
    [[nodiscard]] virtual QString device(const QString& comName) const = 0;
};
