// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/controller.h"
#include "imaging/messagecanvas.h"
#include "model/limits.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QtEndian>

// Small readers of a message's state shared by the imaging tests, and a forger of pictures.
namespace ImagingTest {

// A BMP file whose headers claim a picture of width x height at 1 or 24 bits a pixel, followed by
// pixelBytes bytes of zeros; a 1-bit picture gets its two colours, both black, before them.
inline QByteArray forgedBmp(qint32 width, qint32 height, qint16 bitsPerPixel, qsizetype pixelBytes)
{
    const qint32 pixelsAt = bitsPerPixel == 1 ? 62 : 54;
    QByteArray bytes(pixelsAt + pixelBytes, '\0');
    const auto put32 = [&](int at, qint32 value) { qToLittleEndian(value, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, qint32(bytes.size()));
    put32(10, pixelsAt);
    put32(14, 40); // the size of the info header
    put32(18, width);
    put32(22, height);
    qToLittleEndian<qint16>(1, bytes.data() + 26); // planes
    qToLittleEndian(bitsPerPixel, bytes.data() + 28);
    return bytes;
}

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
