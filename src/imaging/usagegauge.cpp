// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/usagegauge.h"

#include <cmath>

namespace {

constexpr std::array<QRgb, kMessageCount> kBarColors{
    0xFF0000, 0xFF8000, 0xFFC000, 0xE0E000, 0x80D000, 0x00FF00, 0x00FFC0, 0x00F0F0,
    0x0080FF, 0x0000FF, 0x8000FF, 0xC000FF, 0xFF00FF, 0xFF00C0, 0xC00000, 0x800000};

} // namespace

QRgb UsageGauge::barColour(int message)
{
    return 0xFF000000u | kBarColors.at(message);
}

UsageGauge UsageGauge::compute(const std::array<int, kMessageCount>& msgLen, const QString& screenHeightText)
{
    // Both scales make the whole bar the same 57,344 display bytes of card memory.
    const double scale = screenHeightText == QLatin1String("16") ? 0.225 : 0.45;
    UsageGauge gauge;
    for (int m = 0; m < kMessageCount; ++m) {
        if (msgLen[m] == 0)
            continue;
        const double width = scale * msgLen[m];
        gauge.segments.append({m, double(gauge.totalLen), gauge.totalLen + width - 1, barColour(m)});
        gauge.totalLen += static_cast<int>(std::floor(width + 0.9));
        gauge.totalLen = std::min(gauge.totalLen, kLastPixel);
    }
    return gauge;
}
