// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>
#include <variant>

// What one run of p10signctl was asked to do, read from its command line.
struct CtlArguments {
    enum class Verb { Upload, SetClock, SetText, Render, Info };

    Verb verb = Verb::Info;
    QString project;
    QString port;
    QString brightness = QStringLiteral("4");
    std::optional<QTime> at;
    int message = 0;
    QString text;
    std::optional<QString> font;
    std::optional<QString> size;
    bool bold = false;
    std::optional<int> adjust;
    QString out;
    bool json = false;
    bool verbose = false; // the link's and the files' log on standard error
};

// The run ends here: help asked for, or the command line cannot be used.
struct CtlExit {
    int status = 0;
    QString output; // for standard output
    QString error;  // for standard error
};

inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Reads the verb (or --help, --version), then that verb's options. Usage errors (no verb, an unknown option,
// a missing argument) end with status 2; values out of their range end with status 1.
[[nodiscard]] std::variant<CtlArguments, CtlExit> parseCtlArguments(const QStringList& arguments);
