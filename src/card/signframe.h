// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/limits.h"

#include <cstdint>
#include <span>
#include <vector>

// What the sign shows at one moment: one bit an LED, rows of bytes with the leftmost pixel in
// bit 7 as in the display data, and the brightness the lit LEDs have.
struct SignFrame {
    int widthBytes = 0;
    int height = 0;
    int brightness = 4; // 1 .. 4
    std::vector<std::uint8_t> bits;

    void resize(int newWidthBytes, int newHeight)
    {
        widthBytes = newWidthBytes;
        height = newHeight;
        bits.assign(std::size_t(widthBytes) * std::size_t(height), 0);
    }
    [[nodiscard]] int widthPixels() const { return widthBytes * kPixelsPerByte; }
    [[nodiscard]] std::span<std::uint8_t> row(int y)
    {
        return {bits.data() + std::size_t(y) * std::size_t(widthBytes), std::size_t(widthBytes)};
    }
    [[nodiscard]] std::span<const std::uint8_t> row(int y) const
    {
        return {bits.data() + std::size_t(y) * std::size_t(widthBytes), std::size_t(widthBytes)};
    }
    [[nodiscard]] bool lit(int x, int y) const
    {
        return (row(y)[std::size_t(x / kPixelsPerByte)] & (0x80 >> (x % kPixelsPerByte))) != 0;
    }
    void setLit(int x, int y, bool on)
    {
        std::uint8_t& byte = row(y)[std::size_t(x / kPixelsPerByte)];
        const auto mask = static_cast<std::uint8_t>(0x80 >> (x % kPixelsPerByte));
        byte = on ? std::uint8_t(byte | mask) : std::uint8_t(byte & ~mask);
    }

    friend bool operator==(const SignFrame&, const SignFrame&) = default;
};
