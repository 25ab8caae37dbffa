// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/portcatalogue.h"

#include <optional>

class Project;

// The port list as the machine has it now: refilled from the catalogue at start-up, when the
// operator opens it and before every exchange, so that an adapter plugged in later or a port
// that was busy at the last look can be used. Knows what a chosen or typed port stands for.
class PortList {
public:
    PortList(Project& project, PortCatalogue& catalogue);

    // The machine's ports of now become the list's entries; the text stays as it is unless
    // preselect asks for the usual choice of a fresh start.
    void rescan(bool preselect);
    [[nodiscard]] std::optional<PortEntry> entry(const QString& name) const;
    // What the line opens for a chosen or typed text: the device of a port name (empty when the
    // machine has no such port now), a device path or a network address as it stands; nothing
    // for any other text.
    [[nodiscard]] std::optional<QString> device(const QString& text) const;

private:
    Project& m_project;
    PortCatalogue& m_catalogue;
    QList<PortEntry> m_entries; // of the last look
};
