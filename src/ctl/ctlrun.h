// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/controller.h"
#include "ctl/chosenport.h"
#include "ctl/consoledialogs.h"
#include "ctl/ctlarguments.h"
#include "ctl/fixedclock.h"
#include "link/serialportline.h"

// Carries out one p10signctl command through the controller the window uses, so that loading,
// rendering, saving and the exchanges with the card are exactly the window's.
class CtlRun {
public:
    explicit CtlRun(CtlArguments arguments);

    // The exit status; the exchanges with the card run in the application's event loop.
    [[nodiscard]] int exec();

private:
    [[nodiscard]] int upload();
    [[nodiscard]] int setClock();
    [[nodiscard]] int setText();
    [[nodiscard]] int render();
    [[nodiscard]] int info();

    [[nodiscard]] bool loadProject();
    [[nodiscard]] bool choosePort();
    [[nodiscard]] int runExchange(bool started);

    CtlArguments m_arguments;
    ConsoleDialogs m_dialogs;
    SerialPortLine m_line;
    ChosenPort m_port;
    FixedClock m_clock;
    Controller m_controller;
};
