// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPoint>
#include <QString>

class MessageCanvas;
class QPainter;
struct MessageSettings;

// Draws a line of text as the sign shows it: crisp one-bit glyphs (no smoothing, full hinting),
// so that a 12-point line stays legible on a 16-dot sign after the lit rule. Used for adopting a
// message's text and for the marks of the clock and countdown digits.
class TextRenderer {
public:
    // The font of the given name (substituted when it is not installed), size in points at 96
    // pixels per inch, regular or bold.
    [[nodiscard]] static QFont fontFor(const QString& fontName, double points, bool bold);

    // One line with its character cell's top-left corner at topLeft, in the painter's pen
    // colour. Line breaks and other control characters are drawn as blanks: nothing starts a
    // second line.
    static void drawLine(QPainter& painter, const QString& text, const QFont& font, QPoint topLeft);

    // Adopting a message's text: the background picture is dropped, the canvas cleared and the
    // text drawn in red at the left edge, one pixel above the adjust position.
    static void renderMessage(MessageCanvas& canvas, const MessageSettings& message);
    // The characters of a message's text that no installed face can draw in its font, each once,
    // in the order of the text; empty when every character can be drawn.
    [[nodiscard]] static QString missingCharacters(const MessageSettings& message);

private:
    [[nodiscard]] static bool breaksLines(char32_t c);
    [[nodiscard]] static QFont messageFont(const MessageSettings& message);
    // Where the text's cell top lies for a top adjust text.
    [[nodiscard]] static int textTop(const QString& topAdj);
};
