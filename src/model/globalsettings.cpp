// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/globalsettings.h"

#include "model/listitems.h"

GlobalSettings::GlobalSettings()
    : screenWidth(ListItems::screenWidths(), 3)
    , screenHeight(ListItems::screenHeights(), 0)
    , brightness(ListItems::brightnesses(), 3)
    , port(ListItems::initialPorts(), 0)
    , clockMessage(ListItems::messageChoices(), 0)
    , hourPosition(ListItems::markPositions(), 4)
    , minutePosition(ListItems::markPositions(), 9)
    , daysMessage(ListItems::messageChoices(), 0)
    , daysPosition(ListItems::markPositions(), 5)
{
}

EditableList& GlobalSettings::list(GlobalList which)
{
    switch (which) {
    case GlobalList::ScreenWidth:
        return screenWidth;
    case GlobalList::ScreenHeight:
        return screenHeight;
    case GlobalList::Brightness:
        return brightness;
    case GlobalList::Port:
        return port;
    case GlobalList::ClockMessage:
        return clockMessage;
    case GlobalList::HourPosition:
        return hourPosition;
    case GlobalList::MinutePosition:
        return minutePosition;
    case GlobalList::DaysMessage:
        return daysMessage;
    case GlobalList::DaysPosition:
        return daysPosition;
    }
    Q_UNREACHABLE();
}

const EditableList& GlobalSettings::list(GlobalList which) const
{
    return const_cast<GlobalSettings*>(this)->list(which);
}
