// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/limits.h"

#include <QImage>
#include <cstdint>
#include <span>

// Turns a canvas into display bytes: eight pixels per byte, the leftmost in bit 7, a bit set where
// the pixel is lit. Returns the used length: 1 + the last byte column holding a lit pixel in any
// row, 0 when nothing is lit. The canvas must be 16376 x 32 pixels in RGB32.
[[nodiscard]] int packCanvas(const QImage& canvas, std::span<std::uint8_t, kMessageBytes> out);

// The used length of display bytes already in place, reading no pixel.
[[nodiscard]] int usedLength(std::span<const std::uint8_t, kMessageBytes> bytes);
