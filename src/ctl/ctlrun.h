// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "console/consoledialogs.h"
#include "controller/controller.h"
#include "controller/settingscommands.h"
#include "ctl/ctlarguments.h"
#include "ctl/fixedclock.h"
#include "link/portline.h"
#include "link/systemportcatalogue.h"

#include <QEventLoop>
#include <functional>
#include <memory>

class GroupLock;
class QTextStream;

// Carries out one p10signctl command through the controller the window uses, so that loading,
// rendering, saving and the exchanges with the card are exactly the window's.
class CtlRun {
public:
    // What the command prints goes to output and errors; errorsToTerminal: a person watches the
    // errors, who is shown the exchanges' progress.
    CtlRun(CtlArguments arguments, QTextStream& output, QTextStream& errors, bool errorsToTerminal);
    ~CtlRun();

    // The exit status; the exchanges with the card run in an event loop of the run's own.
    [[nodiscard]] int exec();
    // How long the ports used must stay quiet before their cards take a new exchange.
    [[nodiscard]] qint64 quietLeftMs() const;

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
    // Until SIGINT or SIGTERM.
    [[nodiscard]] int serve();

    void printError(const QString& text);
    void printResult(const QString& port, const QString& result);
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

    CtlArguments m_arguments;
    QTextStream& m_output;
    QTextStream& m_errors;
    bool m_errorsToTerminal = false;
    ConsoleDialogs m_dialogs;
    PortLine m_line;
    SystemPortCatalogue m_ports;
    FixedClock m_clock;
    Controller m_controller;
    SettingsCommands m_settings{m_controller, m_dialogs};
    std::unique_ptr<GroupLock> m_hold;
    std::function<bool()> m_start;
    QStringList m_portsLeft;
    QString m_port; // the one the exchange is running on
    bool m_anyFailed = false;
    QEventLoop m_loop;
};
