// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class CanvasView;
class MessageImages;
class Project;

// The sunken viewport of a message page through which its image is seen as the sign lights it,
// 909 x 32 pixels at a time, with the sign's rows and width marked; the page's scroll bar chooses
// the first column shown.
class PreviewView : public QFrame {
    Q_OBJECT

public:
    PreviewView(const Project& project, const MessageImages& images, int message, QWidget* parent);

    void setScroll(int firstColumn);

private:
    CanvasView* m_canvas = nullptr;
};
