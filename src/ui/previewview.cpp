// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previewview.h"

#include "ui/canvasview.h"
#include "ui/signareaview.h"
#include "ui/windowlayout.h"

using namespace WindowLayout;

PreviewView::PreviewView(const Project& project, const MessageImages& images, int message, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(arrayName(QStringLiteral("Picture1"), message));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kViewportFrame);
    setFixedSize(kPreviewWidth + 2 * kViewportFrame, kPreviewHeight + 2 * kViewportFrame);
    auto* viewport = new QWidget(this);
    viewport->setGeometry(kViewportFrame, kViewportFrame, kPreviewWidth, kPreviewHeight);
    m_canvas = new CanvasView(images, message, viewport);
    auto* signArea = new SignAreaView(project, viewport);
    signArea->setGeometry(viewport->rect());
}

void PreviewView::setScroll(int firstColumn)
{
    m_canvas->move(-firstColumn, 0);
}
