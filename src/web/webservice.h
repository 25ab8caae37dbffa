// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/controller.h"
#include "controller/settingscommands.h"
#include "link/portline.h"
#include "link/systemclock.h"
#include "link/systemportcatalogue.h"
#include "web/accessguard.h"
#include "web/exchangejobs.h"
#include "web/projectkeeper.h"
#include "web/servesettings.h"
#include "web/servicedialogs.h"
#include "web/signservice.h"
#include "web/webserver.h"

// One project and its signs served over HTTP: the controller with this computer's ports and clock,
// the project's files, the exchanges, who may ask, and the server. p10signctl runs it until it is
// stopped; tests run it in their own process.
class WebService {
public:
    explicit WebService(ServeSettings settings);

    // Empty when the project is open and the server listens, else why not.
    [[nodiscard]] QString start();
    // Where the page is, with the port the system gave when 0 was asked for.
    [[nodiscard]] QString url() const;
    [[nodiscard]] quint16 port() const { return m_server.port(); }

private:
    ServeSettings m_settings;
    ServiceDialogs m_dialogs;
    PortLine m_line;
    SystemPortCatalogue m_ports;
    SystemClock m_clock;
    Controller m_controller{m_dialogs, m_line, m_ports, m_clock};
    SettingsCommands m_settingsCommands{m_controller, m_dialogs};
    ProjectKeeper m_project{m_controller, m_settingsCommands, m_settings.project};
    ExchangeJobs m_jobs{m_controller, m_dialogs};
    AccessGuard m_guard;
    SignService m_service;
    WebServer m_server;
};
