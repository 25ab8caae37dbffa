// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/consoledialogs.h"

#include "dialogs/ctltexts.h"

#include <cstdio>
#include <utility>

namespace {

void printError(const QString& title, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
}

} // namespace

bool ConsoleDialogs::askYesNo(const QString& title, const QString& text)
{
    printError(title, text + CtlTexts::answeredNo());
    return false;
}

Dialogs::Answer ConsoleDialogs::askYesNoCancel(const QString& title, const QString& text)
{
    printError(title, text + CtlTexts::answeredCancel());
    return Answer::Cancel;
}

void ConsoleDialogs::tell(const QString& title, const QString& text, const QString& detail)
{
    printError(title, detail.isEmpty() ? text : text + u'\n' + detail);
    m_told = true;
}

bool ConsoleDialogs::takeTold()
{
    return std::exchange(m_told, false);
}
