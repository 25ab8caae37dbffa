// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/controller.h"
#include "ctl/consoledialogs.h"
#include "ctl/ctlarguments.h"
#include "ctl/fixedclock.h"
#include "link/portline.h"
#include "link/systemportcatalogue.h"

#include <functional>
#include <memory>

class GroupLock;

// Carries out one p10signctl command through the controller the window uses, so that loading,
// rendering, saving and the exchanges with the card are exactly the window's.
class CtlRun {
public:
    explicit CtlRun(CtlArguments arguments);
    ~CtlRun();

    // The exit status; the exchanges with the card run in the application's event loop.
    [[nodiscard]] int exec();

private:
    [[nodiscard]] int upload();
    [[nodiscard]] int setClock();
    [[nodiscard]] int setText();
    [[nodiscard]] int set();
    [[nodiscard]] int importPicture();
    [[nodiscard]] int exportPicture();
    [[nodiscard]] int render();
    [[nodiscard]] int preview();
    [[nodiscard]] int info();
    [[nodiscard]] int ports();

    [[nodiscard]] bool loadProject();
    // For a change: the project is held from here to the end of the run. A project that does not
    // exist yet starts as the window starts.
    [[nodiscard]] bool loadOrStartProject();
    [[nodiscard]] int saveProject();
    // One run sends to each port once: a second exchange right after the first would reach the
    // card while it still waits to see whether the first has ended. Tells which port was named
    // twice, by the same name or another.
    [[nodiscard]] bool refusedPortTwice();
    // Runs the exchange that start() begins on each port of the command line, one after another,
    // from within the event loop, so that its first progress and a failure to open the port are
    // seen; 1 when any of them did not complete.
    [[nodiscard]] int runOnEachPort(std::function<bool()> start);
    void startOnNextPort();
    void portDone(bool completed);
    void applyMessageChanges(int m, const MessageChanges& changes);
    // False when the alternation group could not be made as asked.
    [[nodiscard]] bool applyGlobalChanges();

    CtlArguments m_arguments;
    ConsoleDialogs m_dialogs;
    PortLine m_line;
    SystemPortCatalogue m_ports;
    FixedClock m_clock;
    Controller m_controller;
    std::unique_ptr<GroupLock> m_hold;
    std::function<bool()> m_start;
    QStringList m_portsLeft;
    QString m_port; // the one the exchange is running on
    bool m_anyFailed = false;
};
