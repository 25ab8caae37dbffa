// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/controller.h"
#include "controller/settingscommands.h"
#include "support/fakeclock.h"
#include "support/fakedialogs.h"
#include "support/fakeportcatalogue.h"
#include "support/fakeserialline.h"
#include "support/virtualtime.h"

// A controller put together as the tests need it, with the settings commands beside it as a front
// end owns them: the operator's answers scripted, the ports a test names, a clock it sets, and
// either a line that sends nothing in virtual time or a real line in the computer's time.
class ControllerFixture {
public:
    ControllerFixture()
        : controller(dialogs, fakeLine, ports, clock, &time)
    {
    }
    // Over a real line (a pseudo-terminal, the network), which runs in real time.
    explicit ControllerFixture(SerialLine& line)
        : controller(dialogs, line, ports, clock)
    {
    }

    FakeDialogs dialogs;
    FakeSerialLine fakeLine;
    FakePortCatalogue ports;
    FakeClock clock;
    VirtualTime time;
    Controller controller;
    SettingsCommands settings{controller, dialogs};
};
