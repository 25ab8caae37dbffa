// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class CanvasView;
class MessageImages;

// The sunken viewport of a message page through which its image is seen, 909 x 32 pixels at a
// time; the page's scroll bar chooses the first column shown.
class PreviewView : public QFrame {
    Q_OBJECT

public:
    PreviewView(const MessageImages& images, int message, QWidget* parent);

    void setScroll(int firstColumn);

private:
    CanvasView* m_canvas = nullptr;
};
