// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/messagecanvas.h"

#include "imaging/picturelighting.h"
#include "model/limits.h"

#include <QPainter>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t kBytesPerLine = std::size_t(kCanvasWidth) * sizeof(QRgb);

// Every canvas starts as this one black picture and gets a copy of its own when first drawn on,
// so that a project using few of its sixteen messages keeps few canvases in memory. Its memory
// comes zeroed from the system and stays untouched until read (2 MB written black would cost the
// start 500 page faults): RGB32 takes no account of the top byte, so a zero word is black too.
const QImage& blankCanvas()
{
    static const QImage blank = [] {
        if (void* memory = std::calloc(kRows, kBytesPerLine)) {
            return QImage(static_cast<uchar*>(memory), kCanvasWidth, kRows, qsizetype(kBytesPerLine),
                          QImage::Format_RGB32, std::free, memory);
        }
        QImage image(kCanvasWidth, kRows, QImage::Format_RGB32);
        image.fill(MessageCanvas::kBlack);
        return image;
    }();
    return blank;
}

// The memory of one canvas, asked for in huge pages where the system offers them: a loaded
// project fills all sixteen canvases at once, and 4 KiB pages would cost thousands of faults.
QImage ownCanvas()
{
    constexpr std::size_t hugePage = 2u << 20;
    constexpr std::size_t size = (kBytesPerLine * kRows + hugePage - 1) / hugePage * hugePage;
    auto* memory = static_cast<uchar*>(std::aligned_alloc(hugePage, size));
    if (!memory)
        return blankCanvas().copy();
#if defined(__linux__)
    madvise(memory, size, MADV_HUGEPAGE);
#endif
    std::memcpy(memory, blankCanvas().constBits(), kBytesPerLine * kRows);
    return QImage(memory, kCanvasWidth, kRows, qsizetype(kBytesPerLine), QImage::Format_RGB32, std::free,
                  memory);
}

} // namespace

MessageCanvas::MessageCanvas()
    : m_image(blankCanvas())
{
}

QImage& MessageCanvas::image()
{
    ensureOwnImage();
    return m_image;
}

void MessageCanvas::ensureOwnImage()
{
    if (m_image.constBits() == blankCanvas().constBits())
        m_image = ownCanvas();
}

QRgb MessageCanvas::pixel(int x, int y) const
{
    return reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x] | 0xFF000000u;
}

void MessageCanvas::setPixel(int x, int y, QRgb colour)
{
    ensureOwnImage();
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = colour | 0xFF000000u;
}

void MessageCanvas::clear()
{
    if (m_image.constBits() != blankCanvas().constBits())
        m_image.fill(kBlack);
    if (hasBackground()) {
        ensureOwnImage();
        QPainter painter(&m_image);
        painter.drawImage(0, 0, m_background);
    }
}

void MessageCanvas::setBackground(const QImage& picture)
{
    const int width = std::min(picture.width(), kCanvasWidth);
    const int height = std::min(picture.height(), kRows);
    m_background = picture.copy(0, 0, width, height);
}

QImage MessageCanvas::litPattern(const QRect& region) const
{
    // Pixels beyond the canvas are copied as zeros, which are dark.
    return PictureLighting::litPattern(m_image.copy(region));
}
