// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/messagecanvas.h"
#include "model/globalsettings.h"
#include "model/limits.h"
#include "model/messagesettings.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <array>

// The project as the operator has made it at one moment, for undo and redo: every setting, the
// display data, the message pictures and the lengths that follow from them. Copies share the
// pictures and the data of the messages they have in common, so a long history stays small.
struct ProjectState {
    GlobalSettings globals;
    WorkTime workTime;
    QList<MessageSettings> messages;
    AltBoxes altBoxes{};
    std::array<QByteArray, kMessageCount> data;
    std::array<int, kMessageCount> lengths{};
    std::array<MessageCanvas, kMessageCount> canvases;

    // What differs from `other`, by name ("text 3", "data 3", "days" …); empty when nothing does.
    // The port, the brightness, the marks' switch and the preview positions belong to the
    // machine and the moment rather than to the project, and are not compared.
    [[nodiscard]] QStringList differences(const ProjectState& other) const;
};
