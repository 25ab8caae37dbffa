// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/optionreader.h"

#include "ctl/ctltexts.h"

#include <QCommandLineParser>
#include <QHash>

GivenOptions givenOptions(const QCommandLineParser& parser)
{
    GivenOptions given;
    QHash<QString, int> seen;
    for (const QString& name : parser.optionNames())
        given.append({name, parser.values(name).value(seen[name]++)});
    return given;
}

OptionReader::OptionReader(const GivenOptions& given, const QStringList& names, QString help,
                           BadValue badValue)
    : m_help(std::move(help))
    , m_badValue(std::move(badValue))
{
    for (const auto& [name, value] : given) {
        if (names.contains(name))
            m_values[name].append(value);
    }
}

std::optional<QString> OptionReader::text(const QString& name) const
{
    return isSet(name) ? std::optional<QString>(m_values.value(name).last()) : std::nullopt;
}

void OptionReader::refuseRepeats(const QStringList& except, const QString& message)
{
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
        if (it.value().size() > 1 && !except.contains(it.key()))
            fail({kExitUsage,
                  {},
                  (message.isEmpty() ? CtlTexts::repeatedOption(it.key())
                                     : CtlTexts::repeatedForMessage(it.key(), message)) +
                      u'\n'});
    }
}

std::optional<QString> OptionReader::required(const QString& name)
{
    failWhenMissing(name);
    return text(name);
}

std::optional<bool> OptionReader::flag(const QString& name)
{
    const QString opposite = QStringLiteral("no-") + name;
    const bool on = isSet(name);
    const bool off = isSet(opposite);
    if (on && off)
        fail({kExitUsage, {}, CtlTexts::contradiction(name, opposite) + u'\n'});
    if (!on && !off)
        return std::nullopt;
    return on;
}

void OptionReader::fail(ConsoleExit exit)
{
    if (!m_failure)
        m_failure = std::move(exit);
}

void OptionReader::failWhenMissing(const QString& name)
{
    if (!isSet(name))
        fail({kExitUsage, {}, CtlTexts::missingOption(name) + u'\n' + m_help});
}
