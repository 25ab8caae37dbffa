// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/controller.h"
#include "imaging/messagecanvas.h"
#include "model/limits.h"

#include <QByteArray>
#include <QImage>
#include <QRect>

// Small readers of a message's state shared by the imaging tests.
namespace ImagingTest {

inline QByteArray messageBytes(const Controller& controller, int m)
{
    const auto bytes = controller.project().dispData().message(m);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

inline std::uint8_t byteAt(const Controller& controller, int m, int col, int row)
{
    return controller.project().dispData().message(m)[std::size_t(row * kColumns + col)];
}

// The smallest rectangle holding every pixel for which the predicate holds; empty when none.
template <typename Predicate> QRect boundsOf(const QImage& image, Predicate&& holds)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (holds(line[x] | 0xFF000000u))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

inline QRect litBounds(const QImage& image)
{
    return boundsOf(image, &MessageCanvas::isLit);
}

inline int litCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += MessageCanvas::isLit(line[x]) ? 1 : 0;
    }
    return count;
}

} // namespace ImagingTest
