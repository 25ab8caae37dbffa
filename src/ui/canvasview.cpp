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

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.translate(event->rect().topLeft());
    MessagePainter::paint(painter, m_images, m_message, event->rect(), MessagePainter::Look::Lit);
}
