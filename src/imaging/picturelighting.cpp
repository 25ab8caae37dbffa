// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/picturelighting.h"

#include "imaging/messagecanvas.h"

#include <algorithm>
#include <vector>

namespace {

using Choice = PictureLighting::Choice;
using Method = PictureLighting::Method;

QImage blackLike(const QImage& picture)
{
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(MessageCanvas::kBlack);
    return image;
}

// Each pixel's colour decides alone whether it lights.
template <typename Lights> QImage pointwise(const QImage& picture, Lights lights)
{
    QImage lit = blackLike(picture);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(lit.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (lights(source[x]))
                target[x] = MessageCanvas::kRed;
        }
    }
    return lit;
}

// Floyd–Steinberg: each pixel lights or not by the threshold, and what that choice got wrong is
// passed on to the pixels to its right and below, so areas of grey keep their share of lit dots.
QImage diffused(const QImage& picture, const Choice& choice)
{
    const int width = picture.width();
    std::vector<int> current(std::size_t(width) + 2);
    std::vector<int> next(std::size_t(width) + 2);
    QImage lit = blackLike(picture);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(lit.scanLine(y));
        std::fill(next.begin(), next.end(), 0);
        for (int x = 0; x < width; ++x) {
            const int grey =
                choice.inverted ? PictureLighting::kMaxThreshold - qGray(source[x]) : qGray(source[x]);
            // Errors are kept in sixteenths, the weights' denominator.
            const int wanted = grey + current[std::size_t(x) + 1] / 16;
            const bool lights = wanted >= choice.threshold;
            if (lights)
                target[x] = MessageCanvas::kRed;
            const int error = wanted - (lights ? PictureLighting::kMaxThreshold : 0);
            current[std::size_t(x) + 2] += error * 7;
            next[std::size_t(x)] += error * 3;
            next[std::size_t(x) + 1] += error * 5;
            next[std::size_t(x) + 2] += error;
        }
        std::swap(current, next);
    }
    return lit;
}

} // namespace

QImage PictureLighting::apply(const QImage& picture, const Choice& choice)
{
    if (!choice.changesPicture())
        return picture;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    switch (choice.method) {
    case Method::StrongRed:
        return pointwise(rgb, [](QRgb colour) { return !MessageCanvas::isLit(colour); });
    case Method::Brightness:
        return pointwise(
            rgb, [&choice](QRgb colour) { return (qGray(colour) >= choice.threshold) != choice.inverted; });
    case Method::Dithered:
        return diffused(rgb, choice);
    }
    return picture;
}

QImage PictureLighting::litPattern(const QImage& picture)
{
    return pointwise(picture.convertToFormat(QImage::Format_RGB32), &MessageCanvas::isLit);
}
