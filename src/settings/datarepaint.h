// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/limits.h"

#include <cstdint>
#include <span>

class DisplayData;
class MessageCanvas;

// Brings a message's display data and canvas to loaded bytes. Only the bytes that differ are
// touched, eight pixels each, so loading the file already loaded paints nothing.
namespace DataRepaint {

// True when any byte differed.
[[nodiscard]] bool repaintMessage(int message, std::span<const std::uint8_t, kMessageBytes> loaded,
                                  DisplayData& data, MessageCanvas& canvas);

} // namespace DataRepaint
