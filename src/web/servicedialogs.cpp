// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/servicedialogs.h"

#include <utility>

bool ServiceDialogs::askYesNo(const QString& title, const QString& text)
{
    tell(title, text);
    return false;
}

Dialogs::Answer ServiceDialogs::askYesNoCancel(const QString& title, const QString& text)
{
    tell(title, text);
    return Answer::Cancel;
}

void ServiceDialogs::tell(const QString&, const QString& text, const QString& detail)
{
    m_told << (detail.isEmpty() ? text : text + u'\n' + detail);
}

QStringList ServiceDialogs::take()
{
    return std::exchange(m_told, {});
}
