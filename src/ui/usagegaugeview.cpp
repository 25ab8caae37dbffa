// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/usagegaugeview.h"

#include "imaging/usagegauge.h"
#include "model/project.h"
#include "ui/windowlayout.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

using namespace WindowLayout;

UsageGaugeView::UsageGaugeView(const Project& project, QWidget* parent)
    : QFrame(parent)
    , m_project(project)
{
    setObjectName(QStringLiteral("Picture2"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kViewportFrame);
    setFixedSize(kGaugeFrameWidth, kGaugeFrameHeight);
    connect(&project, &Project::gaugeChanged, this, qOverload<>(&QWidget::update));
}

QRect UsageGaugeView::segmentRect(const GaugeSegment& segment)
{
    const int left = static_cast<int>(std::lround(segment.left));
    const int right = static_cast<int>(std::lround(segment.right));
    return QRect(QPoint(std::min(left, right), 0), QPoint(std::max(left, right), UsageGauge::kHeight - 1));
}

void UsageGaugeView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect bar(kViewportFrame, kViewportFrame, UsageGauge::kWidth, UsageGauge::kHeight);
    painter.fillRect(bar, Qt::black);
    painter.setClipRect(bar);
    painter.translate(bar.topLeft());
    for (const GaugeSegment& segment : m_project.gauge())
        painter.fillRect(segmentRect(segment), QColor::fromRgb(segment.colour));
    // Segments past a full bar are clipped to its last pixel; the black from the end of the
    // filled part covers them, so a full bar ends in black.
    painter.fillRect(
        QRect(QPoint(m_project.totalLen(), 0), QPoint(UsageGauge::kLastPixel, UsageGauge::kHeight - 1)),
        Qt::black);
}
