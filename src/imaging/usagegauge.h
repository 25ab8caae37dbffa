// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gaugesegment.h"
#include "model/limits.h"

#include <QList>
#include <QString>
#include <array>

// The memory usage gauge under the message pages: one coloured segment per non-empty message,
// scaled so that the full bar stands for the card's memory at either screen height.
struct UsageGauge {
    static constexpr int kWidth = 806; // pixels 0 .. 805
    static constexpr int kHeight = 11;
    static constexpr int kLastPixel = kWidth - 1;

    QList<GaugeSegment> segments;
    int totalLen = 0; // end of the filled part; 0 exactly when every message is empty

    [[nodiscard]] static UsageGauge compute(const std::array<int, kMessageCount>& msgLen,
                                            const QString& screenHeightText);
    [[nodiscard]] static QRgb barColour(int message);
};
