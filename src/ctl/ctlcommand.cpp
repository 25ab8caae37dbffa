// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/ctlcommand.h"

#include "ctl/ctlarguments.h"
#include "ctl/ctlrun.h"
#include "logging/diagnostics.h"
#include "texts/language.h"

#include <QTextStream>

CtlCommand::CtlCommand(QTextStream& output, QTextStream& errors, bool errorsToTerminal)
    : m_output(output)
    , m_errors(errors)
    , m_errorsToTerminal(errorsToTerminal)
{
}

CtlCommand::~CtlCommand() = default;

int CtlCommand::run(QStringList arguments)
{
    QStringList withoutLanguage = arguments;
    const Language::Request asked = Language::takeOption(withoutLanguage);
    Language language;
    language.apply(Language::choose(asked.id));

    const auto parsed = parseCtlArguments(std::move(arguments));
    if (const auto* exit = std::get_if<ConsoleExit>(&parsed)) {
        m_output << exit->output << Qt::flush;
        m_errors << exit->error << Qt::flush;
        return exit->status;
    }
    const CtlArguments& command = std::get<CtlArguments>(parsed);
    if (command.verbose)
        Diagnostics::enableAll();
    m_run = std::make_unique<CtlRun>(command, m_output, m_errors, m_errorsToTerminal);
    return m_run->exec();
}

qint64 CtlCommand::quietLeftMs() const
{
    return m_run ? m_run->quietLeftMs() : 0;
}
