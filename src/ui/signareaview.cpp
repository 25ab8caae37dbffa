// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/signareaview.h"

#include "imaging/signarea.h"
#include "model/project.h"

#include <QPainter>

namespace {

// Neither colour can be mistaken for a lit pixel (red) or a mark (green).
const QColor kNotShownVeil(255, 255, 255, 72);
const QColor kFrameColour(0, 200, 255);

} // namespace

SignAreaView::SignAreaView(const Project& project, QWidget* parent)
    : QWidget(parent)
    , m_project(project)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(&project, &Project::globalsChanged, this, qOverload<>(&QWidget::update));
}

void SignAreaView::setZoom(int zoom)
{
    m_zoom = zoom;
    update();
}

void SignAreaView::paintEvent(QPaintEvent*)
{
    const SignArea area = SignArea::of(m_project.globals());
    const int rows = area.rows * m_zoom;
    QPainter painter(this);
    if (rows < height())
        painter.fillRect(0, rows, width(), height() - rows, kNotShownVeil);
    if (area.width > 0) {
        // Just outside the shown area, so that the frame hides none of its pixels.
        painter.setPen(kFrameColour);
        painter.drawRect(-1, -1, area.width * m_zoom + 1, rows + 1);
    }
}
