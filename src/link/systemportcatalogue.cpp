// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/systemportcatalogue.h"

#include "link/linkconstants.h"
#include "link/portaccess.h"
#include "link/portnames.h"
#include "link/virtualport.h"

#include <QMap>
#include <QSerialPort>
#include <QSerialPortInfo>

namespace {

enum class Probe { Opens, Refused, Absent };

// Busy ports and ports without permission both refuse; anything else means no working port.
[[nodiscard]] Probe probe(const QString& device)
{
    QSerialPort port;
    port.setPortName(device);
    if (port.open(QIODevice::ReadWrite))
        return Probe::Opens;
    return port.error() == QSerialPort::PermissionError ? Probe::Refused : Probe::Absent;
}

} // namespace

QList<PortEntry> SystemPortCatalogue::scan()
{
    QList<PortEntry> entries;
#ifdef Q_OS_WIN
    QMap<int, PortEntry> byNumber;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::optional<int> number = PortNames::comPortNumber(info.portName());
        if (number && probe(info.portName()) == Probe::Opens)
            byNumber.insert(*number, {info.portName(), info.portName(), info.description(), {}});
    }
    entries = byNumber.values();
#else
    QMap<QString, QString> descriptions;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        descriptions.insert(info.systemLocation(), info.description());
    int number = 0;
    for (const QString& path : PortNames::naturalOrder(descriptions.keys())) {
        if (number == Link::kPortCount)
            break;
        const Probe result = probe(path);
        if (result == Probe::Absent)
            continue;
        const QString name = PortNames::comName(++number);
        const QString problem = result == Probe::Refused ? PortAccess::permissionProblem(path) : QString();
        // A busy port is left out until it is free: the list shows only what can be mended.
        if (result == Probe::Opens || !problem.isEmpty())
            entries.append({name, path, descriptions.value(path), problem});
    }
    // Virtual cards come after the real ports, so that starting one renumbers no real port.
    for (const QString& path : VirtualPort::offered()) {
        if (number < Link::kPortCount && probe(path) == Probe::Opens)
            entries.append({PortNames::comName(++number), path, QStringLiteral("p10signcard"), {}});
    }
#endif
    return entries;
}
