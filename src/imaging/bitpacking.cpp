// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bitpacking.h"

#include "imaging/imagingconstants.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Lit pixels carry bit 23 (the top bit of red) in RGB32; the vector path below moves that bit to
// each lane's sign.
using Imaging::kLitBit;
static_assert(kLitBit == 1u << 23);

std::uint8_t packEightScalar(const std::uint32_t* pixels)
{
    std::uint8_t byte = 0;
    for (int k = 0; k < 8; ++k) {
        if (pixels[k] & kLitBit)
            byte |= static_cast<std::uint8_t>(0x80u >> k);
    }
    return byte;
}

#if defined(__SSE2__)
constexpr std::array<std::uint8_t, 256> kReversedBits = [] {
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        int reversed = 0;
        for (int bit = 0; bit < 8; ++bit) {
            if (i & (1 << bit))
                reversed |= 0x80 >> bit;
        }
        table[i] = static_cast<std::uint8_t>(reversed);
    }
    return table;
}();

// Sixteen pixels into two bytes: the lit bit is moved to each lane's sign, the signed packs keep
// the signs down to bytes, and movemask collects them with pixel k in mask bit k.
void packSixteen(const std::uint32_t* pixels, std::uint8_t* out)
{
    const auto* source = reinterpret_cast<const __m128i*>(pixels);
    const __m128i a = _mm_slli_epi32(_mm_loadu_si128(source), 8);
    const __m128i b = _mm_slli_epi32(_mm_loadu_si128(source + 1), 8);
    const __m128i c = _mm_slli_epi32(_mm_loadu_si128(source + 2), 8);
    const __m128i d = _mm_slli_epi32(_mm_loadu_si128(source + 3), 8);
    const __m128i bytes = _mm_packs_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d));
    const int mask = _mm_movemask_epi8(bytes);
    out[0] = kReversedBits[mask & 0xFF];
    out[1] = kReversedBits[(mask >> 8) & 0xFF];
}
#endif

void packRow(const std::uint32_t* pixels, std::uint8_t* out)
{
    int col = 0;
#if defined(__SSE2__)
    for (; col + 2 <= kColumns; col += 2)
        packSixteen(pixels + col * kPixelsPerByte, out + col);
#endif
    for (; col < kColumns; ++col)
        out[col] = packEightScalar(pixels + col * kPixelsPerByte);
}

// The row's used length if it exceeds floor, else floor. Scans backwards a word at a time.
int usedLengthOfRow(const std::uint8_t* row, int floor)
{
    int end = kColumns;
    while (end > floor && end % 8 != 0) {
        if (row[end - 1])
            return end;
        --end;
    }
    while (end - 8 >= floor) {
        std::uint64_t word = 0;
        std::memcpy(&word, row + end - 8, sizeof word);
        if (word)
            break;
        end -= 8;
    }
    for (; end > floor; --end) {
        if (row[end - 1])
            return end;
    }
    return floor;
}

} // namespace

int packCanvas(const QImage& canvas, std::span<std::uint8_t, kMessageBytes> out)
{
    Q_ASSERT(canvas.width() == kCanvasWidth && canvas.height() == kRows);
    Q_ASSERT(canvas.format() == QImage::Format_RGB32);
    int used = 0;
    for (int row = 0; row < kRows; ++row) {
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(canvas.constScanLine(row));
        std::uint8_t* bytes = out.data() + row * kColumns;
        packRow(pixels, bytes);
        used = usedLengthOfRow(bytes, used);
    }
    return used;
}

int usedLength(std::span<const std::uint8_t, kMessageBytes> bytes)
{
    int used = 0;
    for (int row = 0; row < kRows; ++row)
        used = usedLengthOfRow(bytes.data() + row * kColumns, used);
    return used;
}
