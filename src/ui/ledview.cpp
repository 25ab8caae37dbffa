// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ledview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
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
    redraw(m_chosenPitch.value_or(pitchFor(frame.widthPixels())));
}

void LedView::setPitch(int pitch)
{
    m_chosenPitch = pitch;
    if (pitch != this->pitch())
        redraw(pitch);
}

void LedView::redraw(int pitch)
{
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

void LedView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    emit pitchWanted(pitch() + (event->angleDelta().y() > 0 ? 1 : -1));
    event->accept();
}
