// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/systemportcatalogue.h"

#include <thread>

// What the window's start can do before the window system is up, begun on threads of their own
// while it starts: the look at the serial ports, and reading the system's font configuration,
// which the first caption measured would otherwise wait for (a tenth of the start). main() and
// the start-up benchmark make it first.
class StartAhead {
public:
    StartAhead();
    ~StartAhead();
    StartAhead(const StartAhead&) = delete;
    StartAhead& operator=(const StartAhead&) = delete;

    [[nodiscard]] SystemPortCatalogue& ports() { return m_ports; }
    // Once this returns, the fonts are ready to use without reading the configuration again.
    void awaitFonts();

private:
    SystemPortCatalogue m_ports;
    std::thread m_fontConfiguration;
};
