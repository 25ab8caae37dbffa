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

using Probe = SystemPortCatalogue::Probe;

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

SystemPortCatalogue::Found SystemPortCatalogue::look()
{
    Found found;
#ifdef Q_OS_WIN
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        found.devices.append({info.portName(), info.description(), probe(info.portName()), {}});
#else
    QMap<QString, QString> descriptions;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        descriptions.insert(info.systemLocation(), info.description());
    for (const QString& path : PortNames::naturalOrder(descriptions.keys()))
        found.devices.append({path, descriptions.value(path), probe(path), {}});
    for (const QString& path : VirtualPort::offered())
        found.cards.append({path, QStringLiteral("p10signcard"), probe(path), {}});
#endif
    return found;
}

QList<PortEntry> SystemPortCatalogue::entries(Found found)
{
#ifdef Q_OS_WIN
    // Windows names its ports itself.
    QMap<int, PortEntry> byNumber;
    for (const ProbedDevice& device : found.devices) {
        const std::optional<int> number = PortNames::comPortNumber(device.path);
        if (number && device.probe == Probe::Opens)
            byNumber.insert(*number, {device.path, device.path, device.description, {}});
    }
    return byNumber.values();
#else
    for (ProbedDevice& device : found.devices) {
        if (device.probe == Probe::Refused)
            device.problem = PortAccess::permissionProblem(device.path);
    }
    return numbered(found.devices, found.cards);
#endif
}

SystemPortCatalogue::~SystemPortCatalogue()
{
    if (m_ahead)
        m_ahead->wait();
}

QList<PortEntry> SystemPortCatalogue::scan()
{
    if (!m_ahead)
        return entries(look());
    m_ahead->wait();
    m_ahead.reset();
    return entries(std::exchange(m_aheadFound, {}));
}

void SystemPortCatalogue::scanAhead()
{
    if (m_ahead)
        return;
    // A thread of Qt's own: a serial port that opens watches its device with the thread's events.
    m_ahead.reset(QThread::create([this] { m_aheadFound = look(); }));
    m_ahead->start();
}

QList<PortEntry> SystemPortCatalogue::numbered(const QList<ProbedDevice>& devices,
                                               const QList<ProbedDevice>& cards)
{
    QList<PortEntry> entries;
    int number = 0;
    for (const ProbedDevice& device : devices) {
        if (number == Link::kPortCount)
            break;
        if (device.probe == Probe::Absent)
            continue;
        const QString name = PortNames::comName(++number);
        // A busy port is left out until it is free: the list shows only what can be mended.
        if (device.probe == Probe::Opens || !device.problem.isEmpty())
            entries.append({name, device.path, device.description, device.problem});
    }
    // Virtual cards come after the real ports, so that starting one renumbers no real port.
    for (const ProbedDevice& card : cards) {
        if (number < Link::kPortCount && card.probe == Probe::Opens)
            entries.append({PortNames::comName(++number), card.path, card.description, {}});
    }
    return entries;
}
