// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The log that a problem report asks for: off by default, every line stamped with the time to
// the millisecond, since the link's pacing is what such reports are mostly about.
namespace Diagnostics {

// The time stamp; QT_MESSAGE_PATTERN still wins where it is set.
void setUp();
// Every category of the program on (p10signctl --verbose); QT_LOGGING_RULES still wins.
void enableAll();

} // namespace Diagnostics
