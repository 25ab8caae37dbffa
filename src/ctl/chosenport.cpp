// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/chosenport.h"

#include "link/portnames.h"
#include "link/systemportcatalogue.h"

ChosenPort::ChosenPort(const QString& port)
{
    if (PortNames::comPortNumber(port)) {
        SystemPortCatalogue system;
        if (system.scan().contains(port)) {
            m_comName = port;
            m_device = system.device(port);
        }
        return;
    }
    m_comName = QStringLiteral("COM1");
    m_device = port;
}

QStringList ChosenPort::scan()
{
    return m_comName.isEmpty() ? QStringList{} : QStringList{m_comName};
}

QString ChosenPort::device(const QString& comName) const
{
    return comName == m_comName ? m_device : QString();
}
