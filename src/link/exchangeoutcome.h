// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How an exchange with the card ended.
enum class ExchangeOutcome {
    Completed,
    PortUnavailable, // the port is missing or in use: nothing was sent
    NotOpened,       // the port did not read back as open: nothing was sent
    LineFailed,      // the device went away or refused a write
    LineStalled,     // queued bytes stopped leaving the line
    Aborted,         // stopped by the program, for instance when the window closes
};
