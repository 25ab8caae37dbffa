// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/canvasview.h"

#include "imaging/messageimages.h"
#include "imaging/messagepainter.h"
#include "model/limits.h"
#include "ui/windowlayout.h"

#include <QPaintEvent>
#include <QPainter>

CanvasView::CanvasView(const MessageImages& images, int message, QWidget* parent)
    : QWidget(parent)
    , m_images(images)
    , m_message(message)
{
    setObjectName(WindowLayout::arrayName(QStringLiteral("PicBox"), message));
    setFixedSize(kCanvasWidth, kRows);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&images, &MessageImages::imageChanged, this, [this](int m) {
        if (m == m_message)
            update();
    });
}

void CanvasView::setZoom(int zoom)
{
    m_zoom = zoom;
    setFixedSize(kCanvasWidth * zoom, kRows * zoom);
    update();
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    // The image's pixels under the exposed part, drawn as squares without smoothing.
    const QRect exposed = event->rect();
    const QRect pixels(QPoint(exposed.left() / m_zoom, exposed.top() / m_zoom),
                       QPoint(exposed.right() / m_zoom, exposed.bottom() / m_zoom));
    QPainter painter(this);
    painter.scale(m_zoom, m_zoom);
    painter.translate(pixels.topLeft());
    MessagePainter::paint(painter, m_images, m_message, pixels, MessagePainter::Look::Lit);
}
