// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

// How the texts of the window's fields turn into numbers. Every rule that reads a number from
// a text lives here, so that fonts, adjusts, positions, header bytes and times agree.

// The number at the start of the text: leading blanks skipped, an optional sign, digits with at
// most one decimal point, read as far as they go. 0 when the text does not begin with a number.
[[nodiscard]] double numericValue(QStringView text);

// The whole text as a decimal number rounded halves-to-even, or nothing when the text is not a
// number or the result falls outside 0..255 (a conversion that fails).
[[nodiscard]] std::optional<int> readByte(QStringView text);

// As readByte, with the range -32768..32767.
[[nodiscard]] std::optional<int> readInt16(QStringView text);

// Rounds to the nearest whole number; a half goes to the even neighbour (2.5 -> 2, 3.5 -> 4).
[[nodiscard]] std::int64_t roundHalfEven(double value);

// An optional sign then decimal digits, as far as they go; 0 when there are none. Saturates
// instead of overflowing on absurdly long digit runs.
[[nodiscard]] std::int64_t leadingInteger(QStringView text);
