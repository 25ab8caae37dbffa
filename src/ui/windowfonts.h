// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The window's faces. The names are the Windows faces the sign's operators know; where those are
// not installed, the Japanese Gothic faces of the same kind stand in.
namespace WindowFonts {

[[nodiscard]] QFont caption();    // proportional Gothic, bold: every caption, list and field
[[nodiscard]] QFont exitButton(); // the same, larger
[[nodiscard]] QFont fileLabel();  // monospaced Gothic, large, bold
[[nodiscard]] QFont smallLabel(); // the same face as captions, smaller
// The desktop's font in the captions' face. Japanese and Latin text then come from one face: with
// a Latin face first, the Japanese falls back to another, which also draws the numbers that follow
// it ("16 バイト × 16") smaller.
[[nodiscard]] QFont desktop(const QFont& desktopFont);
// A text box showing a message text in the face the sign will get for the chosen font name, at
// the box's own size and weight.
[[nodiscard]] QFont textBox(const QString& fontName);

} // namespace WindowFonts
