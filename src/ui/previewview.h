// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class CanvasView;
class MessageImages;
class Project;
class SignAreaView;

// The sunken viewport of a message page through which its image is seen as the sign lights it,
// 909 x 32 pixels at a time, with the sign's rows and width marked; the page's scroll bar chooses
// the first column shown. Ctrl and the mouse wheel zoom it as far as the sign's rows fit twice the
// usual height.
class PreviewView : public QFrame {
    Q_OBJECT

public:
    static constexpr int kMaxZoom = 4;

    PreviewView(const Project& project, const MessageImages& images, int message, QWidget* parent);

    void setScroll(int firstColumn);
    [[nodiscard]] int zoom() const { return m_zoom; }
    void setZoom(int zoom);

signals:
    // The view grew by this many pixels over its usual height (0 when it is back to it).
    void grown(int pixels);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    [[nodiscard]] int largestZoom() const;

    const Project& m_project;
    QWidget* m_viewport = nullptr;
    CanvasView* m_canvas = nullptr;
    SignAreaView* m_signArea = nullptr;
    int m_firstColumn = 0;
    int m_zoom = 1;
};
