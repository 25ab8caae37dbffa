// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/systemportcatalogue.h"

#include "link/linkconstants.h"
#include "link/portnames.h"
#include "link/virtualport.h"

#include <QSerialPort>
#include <QSerialPortInfo>

namespace {

[[nodiscard]] bool canOpen(const QString& device)
{
    QSerialPort port;
    port.setPortName(device);
    return port.open(QIODevice::ReadWrite);
}

} // namespace

QStringList SystemPortCatalogue::scan()
{
    m_devices.clear();
#ifdef Q_OS_WIN
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::optional<int> number = PortNames::comPortNumber(info.portName());
        if (number && canOpen(info.portName()))
            m_devices.insert(*number, info.portName());
    }
#else
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        paths << info.systemLocation();
    // Virtual cards come after the real ports, so that starting one renumbers no real port.
    int number = 0;
    for (const QString& path : PortNames::naturalOrder(paths) + VirtualPort::offered()) {
        if (number < Link::kPortCount && canOpen(path))
            m_devices.insert(++number, path);
    }
#endif
    QStringList names;
    for (const int n : m_devices.keys())
        names << PortNames::comName(n);
    return names;
}

QString SystemPortCatalogue::device(const QString& comName) const
{
    const std::optional<int> number = PortNames::comPortNumber(comName);
    return number ? m_devices.value(*number) : QString();
}
