// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <QString>

// Fixed values of text rendering, pictures and marks.
namespace Imaging {

// The lit rule: a pixel is lit when the top bit of its red component is set (red 128 or more),
// whatever its green and blue. Encoding and the preview both read it from here.
inline constexpr QRgb kLitBit = 0x00800000u;

// The canvas has 96 pixels per inch: n points are n x 4 / 3 pixels of em height.
inline constexpr double kPixelsPerPoint = 4.0 / 3.0;
// A glyph this tall is already thirty times the sign's height; larger sizes only cost memory.
inline constexpr int kMaxFontPixels = 1000;
// Vertical positions beyond this are far outside the 32 rows anyway.
inline constexpr int kMaxTextOffset = 100000;

// Pictures: what the decoder may allocate beyond the part the canvas keeps. A picture whose
// decoding would need more is refused instead of exhausting memory.
inline constexpr int kDecodeBudgetMegabytes = 64;
inline constexpr qint64 kDecodeBudgetBytes = qint64(kDecodeBudgetMegabytes) * 1024 * 1024;

// Marks of the card's clock and countdown digits.
// The card's digits are shown in this font on Windows; rendering substitutes it when missing.
inline const QString kMarkFont = QStringLiteral("ＭＳ ゴシック");
inline constexpr QRgb kMarkColour = 0xFF00FF00u;
inline constexpr double kMarkPointsSmall = 12.0; // on a 16-dot sign
inline constexpr double kMarkPointsLarge = 24.0;
inline constexpr int kClockMarkTop = 0;
inline constexpr int kDaysMarkTop = -2;

} // namespace Imaging
