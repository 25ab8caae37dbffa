// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/carddecoder.h"

#include <QString>
#include <QStringList>

// The virtual card's words about what it received, the same in its window and on standard output.
namespace CardReport {

// When an exchange began (local time), what it was, its size, how long it took, and the decoder's
// checks.
[[nodiscard]] QStringList columns(const CardExchange& exchange);
// The columns on one line, separated by tabs.
[[nodiscard]] QString line(const CardExchange& exchange);
// The sign's settings that the memory holds, on one line.
[[nodiscard]] QString summary(const CardMemory& memory);

} // namespace CardReport
