// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/textrenderer.h"

#include "imaging/fontsubstitution.h"
#include "imaging/imagingconstants.h"
#include "imaging/messagecanvas.h"
#include "model/messagesettings.h"
#include "model/textnumbers.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdint>

QFont TextRenderer::fontFor(const QString& fontName, double points, bool bold)
{
    QFont font(FontSubstitution::renderFamily(fontName));
    const auto pixels = roundHalfEven(points * Imaging::kPixelsPerPoint);
    font.setPixelSize(int(std::clamp<std::int64_t>(pixels, 1, Imaging::kMaxFontPixels)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

void TextRenderer::drawLine(QPainter& painter, const QString& text, const QFont& font, QPoint topLeft)
{
    QString line = text;
    std::replace_if(
        line.begin(), line.end(), [](QChar c) { return breaksLines(c.unicode()); }, QChar(u' '));
    painter.setFont(font);
    painter.drawText(QPoint(topLeft.x(), topLeft.y() + QFontMetrics(font).ascent()), line);
}

bool TextRenderer::breaksLines(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

void TextRenderer::renderMessage(MessageCanvas& canvas, const MessageSettings& message)
{
    canvas.dropBackground();
    canvas.clear();
    QPainter painter(&canvas.image());
    painter.setPen(QColor::fromRgb(MessageCanvas::kRed));
    drawLine(painter, message.text, messageFont(message), QPoint(0, textTop(message.topAdj)));
}

QFont TextRenderer::messageFont(const MessageSettings& message)
{
    return fontFor(message.fontName, numericValue(message.fontSize.text()), message.bold);
}

QString TextRenderer::missingCharacters(const MessageSettings& message)
{
    // The font metrics look through the fallback faces too, as drawing does.
    const QFontMetrics metrics(messageFont(message));
    QList<char32_t> missing;
    for (const char32_t c : message.text.toUcs4()) {
        if (!breaksLines(c) && !metrics.inFontUcs4(c) && !missing.contains(c))
            missing << c;
    }
    return QString::fromUcs4(missing.constData(), missing.size());
}

int TextRenderer::textTop(const QString& topAdj)
{
    const auto top = roundHalfEven(numericValue(topAdj) - 1.0);
    return int(std::clamp<std::int64_t>(top, -Imaging::kMaxTextOffset, Imaging::kMaxTextOffset));
}
