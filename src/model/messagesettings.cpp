// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/messagesettings.h"

#include "model/listitems.h"

MessageSettings::MessageSettings(int message)
    : text(QStringLiteral("Message%1\r\n").arg(message))
    , fontSize(ListItems::fontSizes(), ListItems::fontSizes().indexOf(QStringLiteral("12")))
    , mode(ListItems::showModes(message), 0)
    , speed(ListItems::moveSpeeds(), 3)
{
}

EditableList& MessageSettings::list(MessageList which)
{
    switch (which) {
    case MessageList::FontSize:
        return fontSize;
    case MessageList::Mode:
        return mode;
    case MessageList::Speed:
        return speed;
    }
    Q_UNREACHABLE();
}

const EditableList& MessageSettings::list(MessageList which) const
{
    return const_cast<MessageSettings*>(this)->list(which);
}
