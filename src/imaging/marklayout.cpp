// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/marklayout.h"

#include "imaging/imagingconstants.h"
#include "model/globalsettings.h"
#include "model/limits.h"
#include "model/listitems.h"
#include "model/textnumbers.h"

#include <algorithm>
#include <cstdint>

namespace {

// "16" selects the full-width marks in 12 points; any other height the half-width ones in 24.
bool smallSign(const GlobalSettings& globals)
{
    return globals.screenHeight.text() == u"16";
}

double markPoints(const GlobalSettings& globals)
{
    return smallSign(globals) ? Imaging::kMarkPointsSmall : Imaging::kMarkPointsLarge;
}

QString markText(const GlobalSettings& globals, const QString& fullWidth, const QString& halfWidth)
{
    return smallSign(globals) ? fullWidth : halfWidth;
}

int markLeft(const EditableList& position)
{
    const auto left = roundHalfEven(kPixelsPerByte * numericValue(position.text()));
    return int(std::clamp<std::int64_t>(left, -kCanvasWidth, kCanvasWidth));
}

} // namespace

std::optional<int> MarkLayout::chosenMessage(const QString& choiceText)
{
    if (choiceText == ListItems::kNone)
        return std::nullopt;
    const double value = numericValue(choiceText);
    const int message = int(value);
    if (value != message || !isMessageIndex(message))
        return std::nullopt;
    return message;
}

std::optional<MarkLayout::Placement> MarkLayout::clockMarks(const GlobalSettings& globals)
{
    const auto message = chosenMessage(globals.clockMessage.text());
    if (!message)
        return std::nullopt;
    const double points = markPoints(globals);
    const int top = Imaging::kClockMarkTop;
    return Placement{*message,
                     {Mark{markText(globals, QStringLiteral("ＨＨ"), QStringLiteral("HH")),
                           QPoint(markLeft(globals.hourPosition), top), points},
                      Mark{markText(globals, QStringLiteral("ＭＭ"), QStringLiteral("MM")),
                           QPoint(markLeft(globals.minutePosition), top), points}}};
}

std::optional<MarkLayout::Placement> MarkLayout::daysMark(const GlobalSettings& globals)
{
    const auto message = chosenMessage(globals.daysMessage.text());
    if (!message)
        return std::nullopt;
    return Placement{
        *message,
        {Mark{markText(globals, QStringLiteral("ＤＤＤ"), QStringLiteral("DDD")),
              QPoint(markLeft(globals.daysPosition), Imaging::kDaysMarkTop), markPoints(globals)}}};
}
