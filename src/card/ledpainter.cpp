// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/ledpainter.h"

#include "card/cardmodel.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr QRgb kBoard = qRgb(16, 16, 18);
constexpr QRgb kDarkLed = qRgb(60, 14, 12);
constexpr QRgb kFullLed = qRgb(255, 44, 28);
constexpr double kDotDiameter = 0.8; // of the pitch
constexpr int kShades = 4;           // steps of a dot's edge between board and LED
constexpr int kSamples = 4;          // per pixel side, to find how much of it the dot covers

[[nodiscard]] QRgb mix(QRgb from, QRgb to, double share)
{
    const auto channel = [&](int a, int b) { return int(a + (b - a) * share + 0.5); };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                channel(qBlue(from), qBlue(to)));
}

// How many of kShades steps of the pixel (px, py) the dot centred in a pitch-wide cell covers.
[[nodiscard]] int coverage(int px, int py, int pitch)
{
    const double centre = pitch / 2.0;
    const double radius = std::max(kDotDiameter * pitch, 1.0) / 2;
    int inside = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            const double dx = px + (sx + 0.5) / kSamples - centre;
            const double dy = py + (sy + 0.5) / kSamples - centre;
            inside += dx * dx + dy * dy <= radius * radius ? 1 : 0;
        }
    }
    return (inside * kShades + kSamples * kSamples / 2) / (kSamples * kSamples);
}

} // namespace

LedPainter::LedPainter(int pitch)
    : m_pitch(std::max(1, pitch))
{
    m_palette.append(kBoard);
    for (int kind = 0; kind < kDotKinds; ++kind) {
        const QRgb led =
            kind == 0 ? kDarkLed : mix(kDarkLed, kFullLed, kCardModel.brightnessShare[std::size_t(kind - 1)]);
        std::array<QRgb, kShades + 1> shades{};
        for (int s = 0; s <= kShades; ++s) {
            shades[std::size_t(s)] = mix(kBoard, led, double(s) / kShades);
            if (s > 0)
                m_palette.append(shades[std::size_t(s)]);
        }
        std::vector<QRgb>& dot = m_dots[std::size_t(kind)];
        dot.resize(std::size_t(m_pitch) * std::size_t(m_pitch));
        for (int py = 0; py < m_pitch; ++py) {
            for (int px = 0; px < m_pitch; ++px)
                dot[std::size_t(py * m_pitch + px)] = shades[std::size_t(coverage(px, py, m_pitch))];
        }
    }
}

QSize LedPainter::imageSize(const SignFrame& frame) const
{
    return {frame.widthPixels() * m_pitch, frame.height * m_pitch};
}

QImage LedPainter::paint(const SignFrame& frame) const
{
    QImage image;
    paint(frame, image);
    return image;
}

void LedPainter::paint(const SignFrame& frame, QImage& image) const
{
    if (image.size() != imageSize(frame) || image.format() != QImage::Format_RGB32)
        image = QImage(imageSize(frame), QImage::Format_RGB32);
    if (image.isNull())
        return;
    const std::vector<QRgb>& dark = m_dots[0];
    const std::vector<QRgb>& lit = m_dots[std::size_t(std::clamp(frame.brightness, 1, kDotKinds - 1))];
    const std::size_t dotRow = std::size_t(m_pitch) * sizeof(QRgb);
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    for (int y = 0; y < frame.height; ++y) {
        QRgb* cellTop = pixels + qsizetype(y) * m_pitch * stride;
        for (const std::uint8_t byte : frame.row(y)) {
            for (int k = 0; k < kPixelsPerByte; ++k, cellTop += m_pitch) {
                const QRgb* dot = ((byte & (0x80 >> k)) != 0 ? lit : dark).data();
                for (int py = 0; py < m_pitch; ++py)
                    std::memcpy(cellTop + py * stride, dot + py * m_pitch, dotRow);
            }
        }
    }
}
