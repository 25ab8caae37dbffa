// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/globalsettings.h"

#include <cstdint>

// The alternation group: one unbroken run of ticked boxes, told to the card as its first message
// and its length.
struct AltGroup {
    std::uint8_t begin = 0;
    std::uint8_t count = 0;

    friend bool operator==(const AltGroup&, const AltGroup&) = default;
};

namespace Alternation {

// Keeps the ticked boxes one run starting at the first ticked box among 0..14: the box after the
// run is enabled so the run can grow, every later box is unticked and disabled. Box 15 alone
// cannot start a group. Boxes before the run are left as they are.
void applyChainRule(AltBoxes& boxes);

// The first ticked box and the number of ticked boxes from it to the last box.
[[nodiscard]] AltGroup findAltGroup(const AltBoxes& boxes);

} // namespace Alternation
