// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowfonts.h"

#include "imaging/fontsubstitution.h"
#include "ui/windowlayout.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace WindowFonts {

namespace {

const QStringList kProportionalGothic{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                                      QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP")};
const QStringList kMonospacedGothic{QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                                    QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans Mono CJK JP")};

QFont face(const QStringList& families, int pixels, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    // Said outright, so that a widget given this face does not take a caption's strategy from the
    // window around it.
    font.setStyleStrategy(QFont::PreferDefault);
#ifndef Q_OS_WIN
    // The window is laid out in the face's own widths, which a desktop's light hinting keeps too.
    // Unhinted, the glyphs look the same at these sizes, and hinting each of them was a good part
    // of the window's start. Windows keeps its usual hinting.
    font.setHintingPreference(QFont::PreferNoHinting);
#endif
    return font;
}

// The window's own texts, in either language, are all in the Gothic faces. Without other faces to
// fall back to, Qt need not look for them for every script of the captions: that search took a
// tenth of the start. Where no Gothic face is installed, the system's faces fill in as before.
QFont alone(QFont font)
{
    const QStringList installed = QFontDatabase::families();
    const QStringList families = font.families();
    if (std::any_of(families.begin(), families.end(),
                    [&](const QString& family) { return installed.contains(family); }))
        font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

QFont caption()
{
    return alone(anyText());
}

QFont anyText()
{
    return face(kProportionalGothic, WindowLayout::kCaptionPixels, true);
}

QFont exitButton()
{
    return alone(face(kProportionalGothic, WindowLayout::kLargePixels, true));
}

QFont fileLabel()
{
    return face(kMonospacedGothic, WindowLayout::kLargePixels, true);
}

QFont smallLabel()
{
    return face(kProportionalGothic, WindowLayout::kSmallPixels, true);
}

QFont desktop(const QFont& desktopFont)
{
    QFont font = desktopFont;
    font.setFamilies(kProportionalGothic);
    return font;
}

QFont textBox(const QString& fontName)
{
    // The face the sign gets: the name's substitute where it is not installed, and no other
    // fallback than rendering has.
    return face({FontSubstitution::renderFamily(fontName)}, WindowLayout::kCaptionPixels, true);
}

} // namespace WindowFonts
