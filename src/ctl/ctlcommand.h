// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QtGlobal>
#include <memory>

class CtlRun;
class QTextStream;

// One command line of p10signctl carried out: the language it asks for, its arguments read, and
// its command run, with what it prints going to the two streams given. The program's main passes
// standard output and standard error; tests pass captured streams and run it in their own process.
class CtlCommand {
public:
    // errorsToTerminal: a person watches the error stream, who is shown the exchanges' progress.
    CtlCommand(QTextStream& output, QTextStream& errors, bool errorsToTerminal = false);
    ~CtlCommand();

    // The exit status: 0 done, 1 refused or failed, 2 a command line that cannot be used. The
    // exchanges with the card run in an event loop of their own.
    [[nodiscard]] int run(QStringList arguments);
    // How long the ports the run used must stay quiet before their cards take a new exchange: a
    // program that ends sooner leaves nobody to keep that gap before a script's next command.
    [[nodiscard]] qint64 quietLeftMs() const;

private:
    QTextStream& m_output;
    QTextStream& m_errors;
    bool m_errorsToTerminal = false;
    std::unique_ptr<CtlRun> m_run;
};
