// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/projectstate.h"

namespace {

// The settings as a project file keeps them.
GlobalSettings kept(GlobalSettings globals)
{
    globals.brightness = {};
    globals.port = {};
    globals.showMarks = false;
    return globals;
}

MessageSettings kept(MessageSettings message)
{
    message.scroll = 0;
    return message;
}

bool sameCanvas(const MessageCanvas& a, const MessageCanvas& b)
{
    return a.image() == b.image() && a.background() == b.background();
}

} // namespace

QStringList ProjectState::differences(const ProjectState& other) const
{
    QStringList names;
    GlobalSettings mine = kept(globals);
    const GlobalSettings theirs = kept(other.globals);
    if (mine.countdownDays != theirs.countdownDays)
        names << QStringLiteral("days");
    mine.countdownDays = theirs.countdownDays;
    if (mine != theirs)
        names << QStringLiteral("globals");
    if (workTime != other.workTime)
        names << QStringLiteral("work time");
    if (altBoxes != other.altBoxes)
        names << QStringLiteral("alternation");
    for (int m = 0; m < kMessageCount; ++m) {
        const MessageSettings& message = messages.at(m);
        const MessageSettings& before = other.messages.at(m);
        if (message.text != before.text)
            names << QStringLiteral("text %1").arg(m);
        if (message.fontName != before.fontName)
            names << QStringLiteral("font %1").arg(m);
        if (message.topAdj != before.topAdj || message.adjustBar != before.adjustBar)
            names << QStringLiteral("adjust %1").arg(m);
        MessageSettings rest = kept(message);
        rest.text = before.text;
        rest.fontName = before.fontName;
        rest.topAdj = before.topAdj;
        rest.adjustBar = before.adjustBar;
        if (rest != kept(before))
            names << QStringLiteral("message %1").arg(m);
        if (data.at(m) != other.data.at(m) || lengths.at(m) != other.lengths.at(m) ||
            !sameCanvas(canvases.at(m), other.canvases.at(m)))
            names << QStringLiteral("data %1").arg(m);
    }
    return names;
}
