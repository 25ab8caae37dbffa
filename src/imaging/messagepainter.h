// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

class MessageImages;
class QPainter;

// Paints a message as the operator sees it: its canvas with the marks over it. The preview
// paints through it and exported pictures are made by it, so both show the same. Marks only
// lighten what lies under them, so a lit pixel stays lit in an exported picture.
class MessagePainter {
public:
    // The canvas region of message m, with the region's top-left corner at the painter's origin.
    static void paint(QPainter& painter, const MessageImages& images, int m, const QRect& region);
    // The whole message, 16376 x 32 pixels in RGB32.
    [[nodiscard]] static QImage composed(const MessageImages& images, int m);
};
