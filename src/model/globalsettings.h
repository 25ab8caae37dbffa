// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/editablelist.h"
#include "model/limits.h"

#include <QString>
#include <array>

// The sign-wide lists, named so that one handler can serve every list of the window.
enum class GlobalList {
    ScreenWidth,
    ScreenHeight,
    Brightness,
    Port,
    ClockMessage,
    HourPosition,
    MinutePosition,
    DaysMessage,
    DaysPosition,
};

// The sign-wide settings outside the message pages.
struct GlobalSettings {
    GlobalSettings();

    [[nodiscard]] EditableList& list(GlobalList which);
    [[nodiscard]] const EditableList& list(GlobalList which) const;

    EditableList screenWidth;  // bytes; the sign is 8 x width pixels wide
    EditableList screenHeight; // dots; tested as text: "16" or anything else
    EditableList brightness;   // not stored in project files
    EditableList port;         // COM name; not stored in project files
    EditableList clockMessage; // "None" or the message showing hour and minute digits
    EditableList hourPosition; // byte columns
    EditableList minutePosition;
    EditableList daysMessage; // "None" or the message showing the countdown digits
    EditableList daysPosition;
    QString countdownDays = QStringLiteral("999");
    bool showMarks = true; // not stored in project files

    friend bool operator==(const GlobalSettings&, const GlobalSettings&) = default;
};

// The daily window in which the card switches the sign on, in minutes after midnight.
struct WorkTime {
    bool enabled = true;
    int start = 420;
    int end = 1140;
    QString startText = QStringLiteral("07:00"); // what the time fields show or the operator typed
    QString endText = QStringLiteral("19:00");

    friend bool operator==(const WorkTime&, const WorkTime&) = default;
};

// One hidden alternation box per message.
struct AltBox {
    bool ticked = false;
    bool enabled = true;

    friend bool operator==(const AltBox&, const AltBox&) = default;
};

using AltBoxes = std::array<AltBox, kMessageCount>;
