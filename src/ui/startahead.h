// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/systemportcatalogue.h"

#include <future>
#include <thread>

// What the window's start can do apart from building the window, on threads of their own: the
// look at the serial ports and the system's font configuration while the window system starts,
// then, once the application object is made, what the first paint takes from the stores that all
// threads share: the list of installed faces, and the picture plugins (Fusion draws a group box's
// frame from a picture, and Qt loads every picture plugin to find the one for it). main() and
// the start-up benchmark make it first.
class StartAhead {
public:
    StartAhead();
    ~StartAhead();
    StartAhead(const StartAhead&) = delete;
    StartAhead& operator=(const StartAhead&) = delete;

    [[nodiscard]] SystemPortCatalogue& ports() { return m_ports; }
    void applicationStarted();
    // Before the application object goes.
    void finish();

private:
    void go(bool on);

    SystemPortCatalogue m_ports;
    std::promise<bool> m_application;
    bool m_told = false;
    std::thread m_fonts;
};
