// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/imagingconstants.h"

#include <QImage>

// The colour picture of one message, 16376 x 32 pixels, black with red drawing. It also
// remembers the picture last imported into it, which clearing draws back. A pixel is lit when its
// red component is 128 or more.
class MessageCanvas {
public:
    MessageCanvas();

    [[nodiscard]] const QImage& image() const { return m_image; }
    // For drawing into the canvas; the format stays RGB32.
    [[nodiscard]] QImage& image();

    [[nodiscard]] QRgb pixel(int x, int y) const;
    void setPixel(int x, int y, QRgb colour);

    // Black everywhere, then the background picture, if any, at the top left.
    void clear();
    [[nodiscard]] bool hasBackground() const { return !m_background.isNull(); }
    [[nodiscard]] const QImage& background() const { return m_background; }
    // Anything beyond the canvas is cut off, so the canvas never keeps more than it can show.
    void setBackground(const QImage& picture);
    void dropBackground() { m_background = QImage(); }

    [[nodiscard]] static constexpr bool isLit(QRgb colour) { return (colour & Imaging::kLitBit) != 0; }
    // A region as the sign lights it: lit pixels pure red, all others black.
    [[nodiscard]] QImage litPattern(const QRect& region) const;

    static constexpr QRgb kBlack = 0xFF000000u;
    static constexpr QRgb kRed = 0xFFFF0000u;
    static constexpr QRgb kGreen = 0xFF00FF00u;

private:
    // Canvases share one black picture until first drawn on; then each gets its own memory.
    void ensureOwnImage();

    QImage m_image;
    QImage m_background;
};
