// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/messagepicture.h"

#include "card/cardmodel.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr int kCellRows = 16; // glyph rows on a 16-row sign
constexpr int kMaxCellBytes = 4;
constexpr int kClockDigits = 2; // hours and minutes alike
static_assert(kCardModel.digitCellBytes >= 1 && kCardModel.digitCellBytes <= kMaxCellBytes);

// Glyph rows as bits, the cell's leftmost pixel in bit 31.
using GlyphBits = std::array<std::uint32_t, kCellRows>;

constexpr std::array<GlyphBits, 10> glyphBits(const CardModel& model)
{
    std::array<GlyphBits, 10> glyphs{};
    for (std::size_t d = 0; d < glyphs.size(); ++d) {
        for (int r = 0; r < CardModel::kGlyphHeight; ++r) {
            const std::string_view line = model.digitGlyphs[d][std::size_t(r)];
            for (std::size_t c = 0; c < line.size(); ++c) {
                if (line[c] == '#')
                    glyphs[d][std::size_t(model.glyphTop + r)] |= 0x80000000u >> (model.glyphLeft + int(c));
            }
        }
    }
    return glyphs;
}

constexpr bool glyphsFitTheirCells(const CardModel& model)
{
    for (const CardModel::Glyph& glyph : model.digitGlyphs) {
        for (const std::string_view line : glyph) {
            if (line.size() != std::size_t(CardModel::kGlyphWidth))
                return false;
        }
    }
    return model.glyphTop + CardModel::kGlyphHeight <= kCellRows &&
           model.glyphLeft + CardModel::kGlyphWidth <= model.digitCellBytes * kPixelsPerByte;
}
static_assert(glyphsFitTheirCells(kCardModel), "every glyph row is kGlyphWidth wide and fits the cell");

constexpr std::array<GlyphBits, 10> kGlyphs = glyphBits(kCardModel);

[[nodiscard]] int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

static_assert(kCardModel.countdownDigits >= 1 &&
              kCardModel.countdownDigits <= MessagePicture::DigitRun::kMaxDigits);

} // namespace

MessagePicture::DigitRun::DigitRun(int atColumn, int digitCount, int value)
    : column(atColumn)
    , count(digitCount)
{
    for (int i = count - 1; i >= 0; --i, value /= 10)
        digits[std::size_t(i)] = value % 10;
}

int MessagePicture::DigitRun::end() const
{
    return column + count * kCardModel.digitCellBytes;
}

MessagePicture::MessagePicture(const CardMemory& memory, int m, const CardClock& clock)
    : m_memory(memory)
    , m_message(m)
    , m_width(memory.messages[m].length)
    , m_rowRepeat(std::max(1, memory.screenHeight / kCellRows))
{
    if (memory.clockMessage == m) {
        addRun({memory.hourPosition, kClockDigits, clock.timeOfDay.hour()});
        addRun({memory.minutePosition, kClockDigits, clock.timeOfDay.minute()});
    }
    if (memory.daysMessage == m) {
        int days = memory.countdownDays;
        if (kCardModel.countdownRunsDown)
            days = std::max(0, days - clock.daysPassed);
        addRun({memory.daysPosition, kCardModel.countdownDigits, days});
    }
}

int MessagePicture::widthPixels() const
{
    return m_width * kPixelsPerByte;
}

void MessagePicture::pixels(int row, int x0, std::span<std::uint8_t> out) const
{
    const std::span<const std::uint8_t> source = m_memory.messageRow(m_message, row);
    const int column = floorDiv(x0, kPixelsPerByte);
    const int shift = x0 - column * kPixelsPerByte;
    int high = byteAt(source, row, column);
    for (std::size_t j = 0; j < out.size(); ++j) {
        const int low = byteAt(source, row, column + int(j) + 1);
        out[j] = static_cast<std::uint8_t>(shift == 0 ? high : (high << shift) | (low >> (8 - shift)));
        high = low;
    }
}

void MessagePicture::addRun(const DigitRun& run)
{
    m_runs[std::size_t(m_runCount++)] = run;
    if (kCardModel.digitsWidenMessage)
        m_width = std::max(m_width, std::min(run.end(), kColumns));
}

int MessagePicture::byteAt(std::span<const std::uint8_t> source, int row, int column) const
{
    if (column < 0 || column >= m_width)
        return 0;
    for (int i = 0; i < m_runCount; ++i) {
        const DigitRun& run = m_runs[std::size_t(i)];
        if (column >= run.column && column < run.end()) {
            const int cell = (column - run.column) / kCardModel.digitCellBytes;
            const int byteInCell = (column - run.column) % kCardModel.digitCellBytes;
            const int glyphRow = row / m_rowRepeat;
            if (glyphRow >= kCellRows)
                return 0;
            const std::uint32_t bits =
                kGlyphs[std::size_t(run.digits[std::size_t(cell)])][std::size_t(glyphRow)];
            return int((bits >> (24 - kPixelsPerByte * byteInCell)) & 0xFF);
        }
    }
    return std::size_t(column) < source.size() ? source[std::size_t(column)] : 0;
}
