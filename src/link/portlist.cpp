// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/portlist.h"

#include "link/portnames.h"
#include "model/project.h"

PortList::PortList(Project& project, PortCatalogue& catalogue)
    : m_project(project)
    , m_catalogue(catalogue)
{
}

void PortList::rescan(bool preselect)
{
    m_entries = m_catalogue.scan();
    QStringList names;
    QStringList openable;
    for (const PortEntry& entry : m_entries) {
        names << entry.name;
        if (entry.problem.isEmpty())
            openable << entry.name;
    }
    // The usual choice among the ports that open; with none, among those that want a permission,
    // so that the reason shows from the start.
    const QStringList& candidates = openable.isEmpty() ? names : openable;
    const int chosen = PortNames::preselectedIndex(candidates);
    m_project.editGlobals([&](GlobalSettings& globals) {
        globals.port.setItems(names);
        if (preselect)
            globals.port.setIndex(chosen < 0 ? -1 : static_cast<int>(names.indexOf(candidates.at(chosen))));
    });
}

std::optional<PortEntry> PortList::entry(const QString& name) const
{
    for (const PortEntry& entry : m_entries) {
        if (entry.name == name)
            return entry;
    }
    return std::nullopt;
}

std::optional<QString> PortList::device(const QString& text) const
{
    if (PortNames::comPortNumber(text)) {
        const std::optional<PortEntry> listed = entry(text);
        return listed ? listed->device : QString();
    }
    if (PortNames::isDevicePath(text) || PortNames::networkAddress(text))
        return text;
    return std::nullopt;
}
