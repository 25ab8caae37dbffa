// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/limits.h"

#include <cstdint>
#include <span>
#include <vector>

// The display data of all sixteen messages, one bit per LED, in the order of the display data
// file: message outermost, then pixel row, then byte column. Bit 7 is the leftmost pixel.
class DisplayData {
public:
    DisplayData()
        : m_bytes(kDispDataSize, 0)
    {
    }

    [[nodiscard]] static constexpr std::size_t offset(int col, int row, int message)
    {
        return static_cast<std::size_t>(col) + static_cast<std::size_t>(kColumns) * row +
               static_cast<std::size_t>(kMessageBytes) * message;
    }

    [[nodiscard]] std::uint8_t at(int col, int row, int message) const
    {
        return m_bytes[offset(col, row, message)];
    }
    void set(int col, int row, int message, std::uint8_t value)
    {
        m_bytes[offset(col, row, message)] = value;
    }

    [[nodiscard]] std::span<std::uint8_t, kMessageBytes> message(int m)
    {
        return std::span<std::uint8_t, kMessageBytes>(m_bytes.data() + offset(0, 0, m), kMessageBytes);
    }
    [[nodiscard]] std::span<const std::uint8_t, kMessageBytes> message(int m) const
    {
        return std::span<const std::uint8_t, kMessageBytes>(m_bytes.data() + offset(0, 0, m), kMessageBytes);
    }
    [[nodiscard]] std::span<const std::uint8_t, kColumns> row(int m, int r) const
    {
        return std::span<const std::uint8_t, kColumns>(m_bytes.data() + offset(0, r, m), kColumns);
    }

    [[nodiscard]] std::span<std::uint8_t> bytes() { return m_bytes; }
    [[nodiscard]] std::span<const std::uint8_t> bytes() const { return m_bytes; }

    friend bool operator==(const DisplayData&, const DisplayData&) = default;

private:
    std::vector<std::uint8_t> m_bytes;
};
