// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The window's faces. The names are the Windows faces the sign's operators know; where those are
// not installed, the Japanese Gothic faces of the same kind stand in.
namespace WindowFonts {

// Proportional Gothic, bold: the window's own captions, lists and fields, drawn from that face
// alone.
[[nodiscard]] QFont caption();
// The same, with the system's other faces for what it lacks: names of files and fonts, the
// system's messages, the dialogs.
[[nodiscard]] QFont anyText();
[[nodiscard]] QFont exitButton(); // as captions, larger
[[nodiscard]] QFont fileLabel();  // monospaced Gothic, large, bold, as anyText
[[nodiscard]] QFont smallLabel(); // as anyText, smaller: the status and a port's problem
// The desktop's font in the captions' face. Japanese and Latin text then come from one face: with
// a Latin face first, the Japanese falls back to another, which also draws the numbers that follow
// it ("16 バイト × 16") smaller.
[[nodiscard]] QFont desktop(const QFont& desktopFont);
// A text box showing a message text in the face the sign will get for the chosen font name, at
// the box's own size and weight.
[[nodiscard]] QFont textBox(const QString& fontName);

} // namespace WindowFonts
