// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/portcatalogue.h"

#include <QMap>
#include <algorithm>

// Port names mapped to whatever devices a test chooses, such as pseudo-terminals.
class FakePortCatalogue : public PortCatalogue {
public:
    QMap<QString, QString> devices;  // "COM1" -> device; scan() lists the names in their order
    QMap<QString, QString> problems; // "COM1" -> why it cannot be opened

    QList<PortEntry> scan() override
    {
        QStringList names = devices.keys();
        std::sort(names.begin(), names.end(),
                  [](const QString& a, const QString& b) { return a.mid(3).toInt() < b.mid(3).toInt(); });
        QList<PortEntry> entries;
        for (const QString& name : names)
            entries.append({name, devices.value(name), {}, problems.value(name)});
        return entries;
    }
};
