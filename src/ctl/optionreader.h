// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "console/consoleexit.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

class QCommandLineParser;

// The options as given, in their order, each with its value (empty for a switch).
using GivenOptions = QList<std::pair<QString, QString>>;

[[nodiscard]] GivenOptions givenOptions(const QCommandLineParser& parser);

// Reads the options of one verb, each value through its check. The first option that is missing
// or cannot be used becomes the run's usage error, naming the option. Options that the verb does
// not take read as not given, so one reader serves every verb.
class OptionReader {
public:
    // The refusal of a value, in the words of the option's description.
    using BadValue = std::function<ConsoleExit(const QString& name, const QString& value)>;

    OptionReader(const GivenOptions& given, const QStringList& names, QString help, BadValue badValue);

    [[nodiscard]] bool isSet(const QString& name) const { return m_values.contains(name); }
    [[nodiscard]] std::optional<QString> text(const QString& name) const;
    [[nodiscard]] QStringList values(const QString& name) const { return m_values.value(name); }

    // An option that takes one value, given twice, would leave one of them unused. message: the
    // --message whose group is read, if any.
    void refuseRepeats(const QStringList& except, const QString& message = {});

    [[nodiscard]] std::optional<QString> required(const QString& name);

    // The value of the option through its check, which answers an optional.
    template <typename Check> [[nodiscard]] auto value(const QString& name, Check check)
    {
        const auto given = text(name);
        decltype(check(QString())) checked;
        if (!given)
            return checked;
        checked = check(*given);
        if (!checked)
            fail(m_badValue(name, *given));
        return checked;
    }

    template <typename Check> [[nodiscard]] auto requiredValue(const QString& name, Check check)
    {
        failWhenMissing(name);
        return value(name, check);
    }

    // A switch and its opposite: true, false or not given.
    [[nodiscard]] std::optional<bool> flag(const QString& name);

    void fail(ConsoleExit exit);
    [[nodiscard]] const std::optional<ConsoleExit>& failure() const { return m_failure; }

private:
    void failWhenMissing(const QString& name);

    QMap<QString, QStringList> m_values; // in the order given
    QString m_help;
    BadValue m_badValue;
    std::optional<ConsoleExit> m_failure;
};
