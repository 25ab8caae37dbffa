// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/signframe.h"

#include <QImage>
#include <QList>
#include <array>
#include <vector>

// Draws a sign frame as the sign looks: round red LEDs on a dark board, the lit ones as bright as
// the frame's brightness, the dark ones faintly visible. The virtual card, the window's animated
// view and `p10signctl preview` draw with it, so the sign looks the same in all three.
class LedPainter {
public:
    // pitch: pixels from one LED to the next, across and down alike, as on a P10 module.
    explicit LedPainter(int pitch);

    [[nodiscard]] int pitch() const { return m_pitch; }
    [[nodiscard]] QSize imageSize(const SignFrame& frame) const;
    [[nodiscard]] QImage paint(const SignFrame& frame) const;
    // Into an RGB32 image of imageSize(), reused from frame to frame.
    void paint(const SignFrame& frame, QImage& image) const;
    // Every colour paint() can give, at most 32: enough for an indexed picture.
    [[nodiscard]] const QList<QRgb>& palette() const { return m_palette; }

private:
    static constexpr int kDotKinds = 5; // dark, then lit at brightness 1 .. 4

    int m_pitch = 1;
    std::array<std::vector<QRgb>, kDotKinds> m_dots; // pitch x pitch pixels each
    QList<QRgb> m_palette;
};
