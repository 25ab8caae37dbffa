// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/editablelist.h"

#include <QString>

// The lists of a message page.
enum class MessageList { FontSize, Mode, Speed };

// What the operator sets on one message page.
struct MessageSettings {
    explicit MessageSettings(int message);

    [[nodiscard]] EditableList& list(MessageList which);
    [[nodiscard]] const EditableList& list(MessageList which) const;

    QString text; // rendered as one line; starts as "Message<i>" CR LF
    QString fontName = QStringLiteral("System");
    EditableList fontSize; // points
    bool bold = false;
    EditableList mode; // show mode; message 0 alone has the animation entry
    bool flash = false;
    EditableList speed;                   // "1" ... "8"
    bool loopLamp = false;                // the decorative running frame
    QString topAdj = QStringLiteral("0"); // vertical adjust, read by its numeric value
    int adjustBar = 0;                    // the scroll bar that writes topAdj, -10 .. 10
    int scroll = 0;                       // preview position in canvas pixels, 0 .. 15467

    friend bool operator==(const MessageSettings&, const MessageSettings&) = default;
};
