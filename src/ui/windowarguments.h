// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <variant>

// What one start of p10sign was asked for on its command line. The language (--language) is
// chosen before the texts exist, so it is read apart; here it is only refused or taken away.
struct WindowArguments {
    QString project; // empty when none was given
};

// The program ends before any window: help or the version was asked for, or the command line
// cannot be used (status 2).
struct WindowArgumentsExit {
    int status = 0;
    QString output; // for standard output
    QString error;  // for standard error
};

[[nodiscard]] std::variant<WindowArguments, WindowArgumentsExit> parseWindowArguments(QStringList arguments);
