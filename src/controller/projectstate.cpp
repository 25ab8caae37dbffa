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
        const MessageSettings& mine = messages.at(m);
        const MessageSettings& theirs = other.messages.at(m);
        if (mine.text != theirs.text)
            names << QStringLiteral("text %1").arg(m);
        if (mine.fontName != theirs.fontName)
            names << QStringLiteral("font %1").arg(m);
        if (mine.topAdj != theirs.topAdj || mine.adjustBar != theirs.adjustBar)
            names << QStringLiteral("adjust %1").arg(m);
        MessageSettings rest = kept(mine);
        rest.text = theirs.text;
        rest.fontName = theirs.fontName;
        rest.topAdj = theirs.topAdj;
        rest.adjustBar = theirs.adjustBar;
        if (rest != kept(theirs))
            names << QStringLiteral("message %1").arg(m);
        if (data.at(m) != other.data.at(m) || lengths.at(m) != other.lengths.at(m) ||
            !sameCanvas(canvases.at(m), other.canvases.at(m)))
            names << QStringLiteral("data %1").arg(m);
    }
    return names;
}

void ProjectState::share(const ProjectState& other)
{
    for (int m = 0; m < kMessageCount; ++m) {
        if (data.at(m) == other.data.at(m))
            data.at(m) = other.data.at(m);
        if (sameCanvas(canvases.at(m), other.canvases.at(m)))
            canvases.at(m) = other.canvases.at(m);
    }
}
