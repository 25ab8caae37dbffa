// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The window keeps a fixed layout in pixels at 96 dpi, so nothing moves with the window or the
// screen's font scaling.
//
// Every control carries its design name as objectName, so that tests and screenshots can find it.
// Per-message controls append the message index: "TxtBox3", "ComMod0". Where the design name
// itself ends in a digit an underscore separates the index: "Frame1_5", "Picture1_5", "Label6_5".
namespace WindowLayout {

inline constexpr int kWindowWidth = 993;
inline constexpr int kWindowHeight = 681;
inline constexpr int kMargin = 8;

inline constexpr int kFileBoxWidth = 369;
inline constexpr int kFileBoxHeight = 30;

inline constexpr int kTabStripWidth = 977;
inline constexpr int kTabStripHeight = 402;
inline constexpr int kTabsPerRow = 8;

inline constexpr int kViewportFrame = 2;
inline constexpr int kPreviewWidth = 909;
inline constexpr int kPreviewHeight = 32;

inline constexpr int kGlobalFrameHeight = 131;
inline constexpr int kTimeFrameWidth = 809;
inline constexpr int kTimeFrameHeight = 57;

inline constexpr int kGaugeFrameWidth = 810;
inline constexpr int kGaugeFrameHeight = 15;

inline constexpr int kControlHeight = 24;
inline constexpr int kButtonHeight = 30;
inline constexpr int kSpinWidth = 17;

// Font sizes in pixels: 11.25, 14.25 and 9.75 points at 96 dpi.
inline constexpr int kCaptionPixels = 15;
inline constexpr int kLargePixels = 19;
inline constexpr int kSmallPixels = 13;

inline constexpr int kClockIntervalMs = 1000;

[[nodiscard]] inline QString arrayName(const QString& base, int index)
{
    const bool endsInDigit = !base.isEmpty() && base.back().isDigit();
    return base + (endsInDigit ? QStringLiteral("_") : QString()) + QString::number(index);
}

} // namespace WindowLayout
