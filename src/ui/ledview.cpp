#include "ui/ledview.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

LedView::LedView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int LedView::pitchFor(int widthPixels)
{
    return std::clamp(kLargestWidth / std::max(widthPixels, 1), kMinPitch, kMaxPitch);
}

void LedView::setFrame(const SignFrame& frame)
{
    if (m_painter && frame == m_frame)
        return;
    m_frame = frame;
    const int pitch = pitchFor(frame.widthPixels());
    if (!m_painter || m_painter->pitch() != pitch)
        m_painter.emplace(pitch);
    m_painter->paint(m_frame, m_image);
    if (size() != m_image.size())
        setFixedSize(m_image.size());
    update();
}

void LedView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}
