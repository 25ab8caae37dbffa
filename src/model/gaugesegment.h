// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

// One message's coloured stretch of the memory usage gauge, in gauge pixels. The right end may
// be fractional; both ends are included when painted.
struct GaugeSegment {
    int message = 0;
    double left = 0;
    double right = 0;
    QRgb colour = 0;

    friend bool operator==(const GaugeSegment&, const GaugeSegment&) = default;
};
