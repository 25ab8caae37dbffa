#include "imaging/messagecanvas.h"

#include "model/limits.h"

#include <QPainter>

MessageCanvas::MessageCanvas()
    : m_image(kCanvasWidth, kRows, QImage::Format_RGB32)
{
    m_image.fill(kBlack);
}

QRgb MessageCanvas::pixel(int x, int y) const
{
    return reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x];
}

void MessageCanvas::setPixel(int x, int y, QRgb colour)
{
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = colour | 0xFF000000u;
}

void MessageCanvas::clear()
{
    m_image.fill(kBlack);
    if (hasBackground()) {
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
