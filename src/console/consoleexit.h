// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A command-line program's run ends here: help or the version asked for, or a command line that
// cannot be used.
struct ConsoleExit {
    int status = 0;
    QString output; // for standard output
    QString error;  // for standard error
};

// The exit statuses both command-line programs share: the work was refused or failed, or the
// command line cannot be used.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
