// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lastport.h"

#include "controller/controller.h"
#include "ui/recentplaces.h"

LastPort::LastPort(Controller& controller, RecentPlaces& places, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_places(places)
{
}

void LastPort::restore()
{
    const QString last = m_places.port();
    const EditableList& ports = m_controller.project().globals().port;
    if (const int index = static_cast<int>(ports.items().indexOf(last)); !last.isEmpty() && index >= 0)
        m_controller.chooseEntry(GlobalList::Port, index);
    else if (last.contains(QStringLiteral("://")))
        m_controller.typeText(GlobalList::Port, last);
    connect(&m_controller.project(), &Project::globalsChanged, this, &LastPort::remember);
}

void LastPort::remember()
{
    const QString port = m_controller.project().globals().port.text();
    if (!port.isEmpty() && port != m_places.port())
        m_places.setPort(port);
}
