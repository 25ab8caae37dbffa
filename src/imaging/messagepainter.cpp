// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/messagepainter.h"

#include "imaging/imagingconstants.h"
#include "imaging/messageimages.h"
#include "imaging/textrenderer.h"

#include <QPainter>

void MessagePainter::paint(QPainter& painter, const MessageImages& images, int m, const QRect& region,
                           Look look)
{
    if (look == Look::Lit)
        painter.drawImage(QPoint(0, 0), images.canvas(m).litPattern(region));
    else
        painter.drawImage(QPoint(0, 0), images.canvas(m).image(), region);
    const MarkOverlay& overlay = images.overlay(m);
    if (overlay.isEmpty())
        return;
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), region.size()), Qt::IntersectClip);
    painter.translate(-region.topLeft());
    painter.setCompositionMode(QPainter::CompositionMode_Lighten);
    painter.setPen(QColor::fromRgb(Imaging::kMarkColour));
    for (const MarkKind kind : {MarkKind::Clock, MarkKind::Days}) {
        for (const Mark& mark : overlay.marks(kind))
            TextRenderer::drawLine(painter, mark.text,
                                   TextRenderer::fontFor(Imaging::kMarkFont, mark.points, false),
                                   mark.topLeft);
    }
    painter.restore();
}

QImage MessagePainter::composed(const MessageImages& images, int m)
{
    QImage picture(images.canvas(m).image().size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    paint(painter, images, m, picture.rect());
    return picture;
}
