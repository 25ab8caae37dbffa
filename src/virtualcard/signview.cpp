#include "virtualcard/signview.h"

#include <QPainter>
#include <QWheelEvent>

SignView::SignView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SignView::setFrame(const SignFrame& frame)
{
    if (frame == m_frame)
        return;
    const bool resized = frame.widthBytes != m_frame.widthBytes || frame.height != m_frame.height;
    m_frame = frame;
    redraw();
    if (resized)
        resize(sizeHint());
}

void SignView::setPitch(int pitch)
{
    if (pitch == m_painter.pitch())
        return;
    m_painter = LedPainter(pitch);
    redraw();
    resize(sizeHint());
}

QSize SignView::sizeHint() const
{
    return m_painter.imageSize(m_frame);
}

void SignView::redraw()
{
    m_painter.paint(m_frame, m_image);
    update();
}

void SignView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void SignView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    const int step = event->angleDelta().y() > 0 ? 1 : -1;
    emit pitchWanted(m_painter.pitch() + step);
    event->accept();
}
