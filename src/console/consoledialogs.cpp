// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/consoledialogs.h"

#include "console/consoletexts.h"

#include <QTextStream>

ConsoleDialogs::ConsoleDialogs(QTextStream& errors)
    : m_errors(errors)
{
}

void ConsoleDialogs::print(const QString& title, const QString& text)
{
    m_errors << title << ": " << text << Qt::endl;
}

bool ConsoleDialogs::askYesNo(const QString& title, const QString& text)
{
    print(title, text + ConsoleTexts::answeredNo());
    return false;
}

Dialogs::Answer ConsoleDialogs::askYesNoCancel(const QString& title, const QString& text)
{
    print(title, text + ConsoleTexts::answeredCancel());
    return Answer::Cancel;
}

void ConsoleDialogs::tell(const QString& title, const QString& text, const QString& detail)
{
    print(title, detail.isEmpty() ? text : text + u'\n' + detail);
}
