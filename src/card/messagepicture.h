// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardmemory.h"

#include <array>
#include <cstdint>
#include <span>

// One message's picture as the card draws it: its bytes with the clock or countdown digits that
// the card writes over them, in the card's own glyphs (cardmodel.h). The sign player reads the
// pixels of whatever part of it a show mode shows.
class MessagePicture {
public:
    MessagePicture(const CardMemory& memory, int m, const CardClock& clock);

    [[nodiscard]] int widthPixels() const;
    // Pixels x0 .. x0 + 8n - 1 of pixel row `row` into n bytes; nothing lit outside the picture.
    void pixels(int row, int x0, std::span<std::uint8_t> out) const;

    // A number the card writes into a message: its digits at a byte column, with leading zeros.
    struct DigitRun {
        static constexpr int kMaxDigits = 4;

        int column = 0;
        int count = 0;
        std::array<int, kMaxDigits> digits{};

        DigitRun() = default;
        DigitRun(int atColumn, int digitCount, int value);
        [[nodiscard]] int end() const;
    };

private:
    void addRun(const DigitRun& run);
    [[nodiscard]] int byteAt(std::span<const std::uint8_t> source, int row, int column) const;

    const CardMemory& m_memory;
    int m_message = 0;
    int m_width = 0; // byte columns
    int m_rowRepeat = 1;
    std::array<DigitRun, 3> m_runs{};
    int m_runCount = 0;
};
