// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/portcatalogue.h"

// The serial ports of this computer. On Windows they keep their own COM names; elsewhere the
// devices are numbered COM1, COM2 ... in the natural order of their paths, so that a project's port
// choice reads the same on every system, followed by the pseudo-terminals that virtual cards offer.
// A port that is busy or not permitted keeps its number, so that the others keep theirs.
class SystemPortCatalogue : public PortCatalogue {
public:
    [[nodiscard]] QList<PortEntry> scan() override;
};
