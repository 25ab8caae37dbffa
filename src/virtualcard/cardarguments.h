// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "console/consoleexit.h"
#include "link/portnames.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// What one run of p10signcard was asked to do, read from its command line.
struct CardArguments {
    QString port;                                    // a device to listen on, or
    bool pty = false;                                // a pseudo-terminal pair made for the run, or
    std::optional<PortNames::NetworkAddress> listen; // a network address, as a device server
    bool fast = false;                               // reads at once rather than at 9600 baud's pace
    bool headless = false;
    QString json;             // the memory written here after each exchange
    QString gif;              // what the sign shows after each exchange, as an animated GIF, or
    QString frames;           // as PNG frames in this folder
    QString memory;           // the memory kept between runs
    std::optional<int> width; // the sign's width in bytes, known better than an upload tells it
    int message = 0;          // the message shown outside an alternation group
    int seconds = 10;         // of each recording
    int scale = 4;            // pixels from one LED to the next
};

// Help and the version end the run with status 0, as p10signctl's do; a command line that cannot
// be used ends it with status 2 and a message naming the option. defaultMemory: the memory file
// when --memory is not given.
[[nodiscard]] std::variant<CardArguments, ConsoleExit> parseCardArguments(QStringList arguments,
                                                                          const QString& defaultMemory);
