// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/portcatalogue.h"

#include <QMap>

// Port names mapped to whatever devices a test chooses, such as pseudo-terminals.
class FakePortCatalogue : public PortCatalogue {
public:
    QMap<QString, QString> devices; // "COM1" -> device; scan() lists the names in their order

    QStringList scan() override
    {
        QStringList names = devices.keys();
        std::sort(names.begin(), names.end(),
                  [](const QString& a, const QString& b) { return a.mid(3).toInt() < b.mid(3).toInt(); });
        return names;
    }
    QString device(const QString& comName) const override { return devices.value(comName); }
};
