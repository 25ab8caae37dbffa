// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/alternation.h"

namespace Alternation {

void applyChainRule(AltBoxes& boxes)
{
    constexpr int last = kMessageCount - 1;
    int first = 0;
    while (first < last && !boxes[first].ticked)
        ++first;
    if (first == last) {
        boxes[last] = {false, false};
        return;
    }
    for (int m = first + 1; m <= last; ++m) {
        boxes[m].enabled = true;
        if (m == last || boxes[m].ticked)
            continue;
        for (int later = m + 1; later <= last; ++later)
            boxes[later] = {false, false};
        return;
    }
}

AltGroup findAltGroup(const AltBoxes& boxes)
{
    AltGroup group;
    for (int m = 0; m < kMessageCount; ++m) {
        if (!boxes[m].ticked)
            continue;
        if (group.count == 0)
            group.begin = static_cast<std::uint8_t>(m);
        ++group.count;
    }
    return group;
}

} // namespace Alternation
