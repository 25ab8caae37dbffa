// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/controller.h"
#include "controller/settingscommands.h"
#include "link/systemclock.h"
#include "ui/crashrecovery.h"
#include "ui/lastport.h"
#include "ui/mainwindow.h"
#include "ui/projectsession.h"
#include "ui/recentplaces.h"
#include "ui/widgetdialogs.h"

#include <QSettings>
#include <memory>

class PortCatalogue;
class SerialLine;

// Puts the program together: the operator's dialogs, what the window remembers, the serial line,
// the controller and the window, in the order in which they need each other.
class WindowApp {
public:
    // The ports are the computer's; main() makes their catalogue, so that it can look at them before
    // the window system starts.
    explicit WindowApp(PortCatalogue& ports);
    ~WindowApp();

    // What the application shows of itself: its desktop entry, icon and faces.
    static void dressApplication();

    // Start-up of the project, then the window is shown. Once it shows, the changes a killed
    // program left are offered back, then a project given opens.
    void start(const QString& project = {});

    [[nodiscard]] Controller& controller() { return *m_controller; }
    [[nodiscard]] MainWindow& window() { return *m_window; }

private:
    WidgetDialogs m_dialogs;
    QSettings m_store;
    RecentPlaces m_places{m_store};
    SystemClock m_clock;
    std::unique_ptr<SerialLine> m_line;
    std::unique_ptr<Controller> m_controller;
    std::unique_ptr<LastPort> m_lastPort;
    std::unique_ptr<SettingsCommands> m_settings;
    std::unique_ptr<ProjectSession> m_session;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<CrashRecovery> m_recovery;
};
