// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

class MessageImages;
class QPainter;

// Paints a message with the marks over it: as the sign will light it (the preview) or in the
// picture's own colours (exported pictures). Marks only lighten what lies under them, so a lit
// pixel stays lit in an exported picture.
class MessagePainter {
public:
    enum class Look { Colours, Lit };

    // The canvas region of message m, with the region's top-left corner at the painter's origin.
    static void paint(QPainter& painter, const MessageImages& images, int m, const QRect& region,
                      Look look = Look::Colours);
    // The whole message, 16376 x 32 pixels in RGB32.
    [[nodiscard]] static QImage composed(const MessageImages& images, int m);
};
