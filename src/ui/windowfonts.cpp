// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowfonts.h"

#include "imaging/fontsubstitution.h"
#include "ui/windowlayout.h"

#include <QStringList>

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
    return font;
}

} // namespace

QFont caption()
{
    return face(kProportionalGothic, WindowLayout::kCaptionPixels, true);
}

QFont exitButton()
{
    return face(kProportionalGothic, WindowLayout::kLargePixels, true);
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
