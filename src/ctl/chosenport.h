// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/portcatalogue.h"

// The port a script names: a COM name as the window lists it, looked up among this computer's
// ports, or a device path, which stands for itself as "COM1".
class ChosenPort : public PortCatalogue {
public:
    explicit ChosenPort(const QString& port);

    // The COM name to choose, or nothing when the port is not there.
    [[nodiscard]] QString comName() const { return m_comName; }

    [[nodiscard]] QStringList scan() override;
    [[nodiscard]] QString device(const QString& comName) const override;

private:
    QString m_comName;
    QString m_device;
};
