// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class MessageImages;

// One message image at its full size, 16376 x 32 pixels, as the sign will light it, with its clock
// and countdown marks, at the preview's zoom; the preview shows a window onto it. It paints only
// the part that is exposed, so scrolling costs one strip of pixels.
class CanvasView : public QWidget {
    Q_OBJECT

public:
    CanvasView(const MessageImages& images, int message, QWidget* parent);

    // Each pixel of the image as a square of this many screen pixels.
    void setZoom(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const MessageImages& m_images;
    int m_message = 0;
    int m_zoom = 1;
};
