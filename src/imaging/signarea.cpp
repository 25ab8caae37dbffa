// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/signarea.h"

#include "model/globalsettings.h"
#include "model/limits.h"
#include "model/textnumbers.h"

#include <algorithm>

namespace {

constexpr int kSmallSignRows = 16;

} // namespace

SignArea SignArea::of(const GlobalSettings& globals)
{
    // The height is tested as text: "16" is the small sign, anything else the full 32 rows.
    const int rows = globals.screenHeight.text() == u"16" ? kSmallSignRows : kRows;
    const int bytes = readInt16(globals.screenWidth.text()).value_or(0);
    return {rows, std::clamp(bytes, 0, kColumns) * kPixelsPerByte};
}
