// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/portcatalogue.h"

#include <QMap>

// The serial ports of this computer. On Windows they keep their own COM names; elsewhere the
// devices that can be opened are numbered COM1, COM2 ... in the natural order of their paths,
// so that a project's port choice reads the same on every system, followed by the pseudo-terminals
// that virtual cards offer.
class SystemPortCatalogue : public PortCatalogue {
public:
    [[nodiscard]] QStringList scan() override;
    [[nodiscard]] QString device(const QString& comName) const override;

private:
    QMap<int, QString> m_devices; // port number -> device, from the last scan
};
