// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/portcatalogue.h"

#include <QThread>
#include <memory>

// The serial ports of this computer. On Windows they keep their own COM names; elsewhere the
// devices are numbered COM1, COM2 ... in the natural order of their paths, so that a project's port
// choice reads the same on every system, followed by the pseudo-terminals that virtual cards offer.
// A port that is busy or not permitted keeps its number, so that the others keep theirs.
class SystemPortCatalogue : public PortCatalogue {
public:
    // What an attempt to open a device found.
    enum class Probe { Opens, Refused, Absent };
    // A device, what opening it found and, where it was refused, how to mend that (nothing for a
    // busy port).
    struct ProbedDevice {
        QString path;
        QString description;
        Probe probe = Probe::Absent;
        QString problem;
    };

    SystemPortCatalogue() = default;
    ~SystemPortCatalogue() override;
    SystemPortCatalogue(const SystemPortCatalogue&) = delete;
    SystemPortCatalogue& operator=(const SystemPortCatalogue&) = delete;

    [[nodiscard]] QList<PortEntry> scan() override;
    // Starts the next scan's look at the devices on a thread of its own: listing them is slow where
    // the system has many terminals, and the window system can start meanwhile. Needs no
    // application object yet.
    void scanAhead();

    // The entries for the devices in their order and the virtual cards after them: every device
    // that is there takes the next number, and is listed when it opens or when its refusal can be
    // mended.
    [[nodiscard]] static QList<PortEntry> numbered(const QList<ProbedDevice>& devices,
                                                   const QList<ProbedDevice>& cards);

private:
    // The devices as a look found them, before they are named.
    struct Found {
        QList<ProbedDevice> devices;
        QList<ProbedDevice> cards;
    };

    // The slow part of a scan. It makes no text, so that it may run before the translations are
    // in place.
    [[nodiscard]] static Found look();
    [[nodiscard]] static QList<PortEntry> entries(Found found);

    std::unique_ptr<QThread> m_ahead;
    Found m_aheadFound;
};
