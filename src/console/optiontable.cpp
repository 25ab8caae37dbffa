// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/optiontable.h"

#include "console/consoletexts.h"

#include <QCoreApplication>

const OptionInfo* OptionTable::find(const QString& name) const
{
    for (const OptionInfo& option : m_options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

QString OptionTable::translated(const char* text) const
{
    return QCoreApplication::translate(m_context, text);
}

QCommandLineOption OptionTable::commandLineOption(const OptionInfo& option) const
{
    const QString name = QString::fromLatin1(option.name);
    const QString description = translated(option.description);
    return option.valueName ? QCommandLineOption(name, description, QString::fromLatin1(option.valueName))
                            : QCommandLineOption(name, description);
}

QString OptionTable::badValue(const OptionInfo& option, const QString& value) const
{
    return ConsoleTexts::badValue(QLatin1String(option.name), value, translated(option.description));
}
