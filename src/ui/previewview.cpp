// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previewview.h"

#include "imaging/signarea.h"
#include "model/project.h"
#include "ui/canvasview.h"
#include "ui/signareaview.h"
#include "ui/windowlayout.h"

#include <QWheelEvent>
#include <algorithm>

using namespace WindowLayout;

namespace {

// The page's text box gives up the rest of its room, but keeps a line.
constexpr int kLargestHeight = 2 * kPreviewHeight;

} // namespace

PreviewView::PreviewView(const Project& project, const MessageImages& images, int message, QWidget* parent)
    : QFrame(parent)
    , m_project(project)
{
    setObjectName(arrayName(QStringLiteral("Picture1"), message));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kViewportFrame);
    setFixedSize(kPreviewWidth + 2 * kViewportFrame, kPreviewHeight + 2 * kViewportFrame);
    m_viewport = new QWidget(this);
    m_viewport->setGeometry(kViewportFrame, kViewportFrame, kPreviewWidth, kPreviewHeight);
    m_canvas = new CanvasView(images, message, m_viewport);
    m_signArea = new SignAreaView(project, m_viewport);
    m_signArea->setGeometry(m_viewport->rect());
    // The zoomed view follows the sign's height, and a taller sign may no longer fit the zoom.
    connect(&project, &Project::globalsChanged, this, [this] { setZoom(m_zoom); });
}

void PreviewView::setScroll(int firstColumn)
{
    m_firstColumn = firstColumn;
    m_canvas->move(-firstColumn * m_zoom, 0);
}

int PreviewView::largestZoom() const
{
    const int rows = std::max(SignArea::of(m_project.globals()).rows, 1);
    return std::clamp(kLargestHeight / rows, 1, kMaxZoom);
}

void PreviewView::setZoom(int zoom)
{
    zoom = std::clamp(zoom, 1, largestZoom());
    // Zoomed, the view is as tall as the sign's rows; at 1:1 it shows every row of the image.
    const int height =
        zoom == 1 ? kPreviewHeight : std::max(kPreviewHeight, SignArea::of(m_project.globals()).rows * zoom);
    if (zoom == m_zoom && height == m_viewport->height())
        return;
    m_zoom = zoom;
    setFixedHeight(height + 2 * kViewportFrame);
    m_viewport->setFixedHeight(height);
    m_signArea->setGeometry(m_viewport->rect());
    m_canvas->setZoom(zoom);
    m_signArea->setZoom(zoom);
    setScroll(m_firstColumn);
    emit grown(height - kPreviewHeight);
}

void PreviewView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    setZoom(m_zoom + (event->angleDelta().y() > 0 ? 1 : -1));
    event->accept();
}
