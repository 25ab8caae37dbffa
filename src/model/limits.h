// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fixed sizes of the display data that the control card and the display data file share.
inline constexpr int kMessageCount = 16;
inline constexpr int kColumns = 2047; // byte columns per pixel row
inline constexpr int kRows = 32;      // pixel rows per message
inline constexpr int kPixelsPerByte = 8;
inline constexpr int kCanvasWidth = kColumns * kPixelsPerByte;      // 16376 pixels
inline constexpr int kMessageBytes = kColumns * kRows;              // 65504
inline constexpr int kDispDataSize = kMessageBytes * kMessageCount; // 1048064

// Message 0 alone offers this eighth show mode; it makes its length a whole number of screens.
inline constexpr int kAnimationMode = 7;

inline constexpr int kMinuteOfDayMax = 1439;
inline constexpr int kAdjustMin = -10;
inline constexpr int kAdjustMax = 10;
inline constexpr int kPreviewVisibleWidth = 909;
inline constexpr int kScrollMax = kCanvasWidth - kPreviewVisibleWidth; // 15467
inline constexpr int kScrollArrowStep = 50;
inline constexpr int kScrollPageStep = 750;

[[nodiscard]] constexpr bool isMessageIndex(int m)
{
    return m >= 0 && m < kMessageCount;
}
