// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/diagnostics.h"

#include <QLoggingCategory>
#include <QString>

void Diagnostics::setUp()
{
    qSetMessagePattern(QStringLiteral("%{time hh:mm:ss.zzz} %{category}: %{message}"));
}

void Diagnostics::enableAll()
{
    QLoggingCategory::setFilterRules(QStringLiteral("p10sign.*.debug=true"));
}
