// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/limits.h"
#include "settings/profiledocument.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

class Project;
struct FileOrigin;

// Everything a settings file stores, as plain values: list settings as entry indexes (the speed
// as index + 1), check boxes as 0 or 1, texts as typed. Saving captures it from the project and
// writes it; loading reads it, checks it and only then applies it.
struct ProjectFile {
    struct Message {
        QString text;
        QString fontName;
        QString fontSize;
        int bold = 0;
        int direction = 0;
        int flash = 0;
        int speed = 0;
        int loopLamp = 0;
        QString adjust;

        friend bool operator==(const Message&, const Message&) = default;
    };

    // What saving had to change in the operator's texts to keep the file sound: capturing cuts
    // at line breaks, writing replaces what the code page cannot hold.
    struct Losses {
        QList<int> cutAtLineBreak; // messages whose text went only up to its first line break
        QList<int> unencodable;    // messages with characters the code page cannot hold
        bool daysUnencodable = false;

        [[nodiscard]] bool any() const
        {
            return !cutAtLineBreak.isEmpty() || !unencodable.isEmpty() || daysUnencodable;
        }
    };

    // Holds the defaults of a file without keys.
    ProjectFile();

    [[nodiscard]] static ProjectFile capture(const Project& project, Losses* losses = nullptr);
    [[nodiscard]] static ProjectFile read(const ProfileDocument& document);
    // In the order the keys have always been written, so a file written from nothing has its
    // sections in the familiar order. A value that nobody changed since the origin was read or
    // written, or that reads from the origin as it is now, is written with the origin's bytes, so
    // that it keeps every byte, even bytes the code page does not know and numbers out of their
    // range; the others are converted.
    Losses write(ProfileDocument& document, const FileOrigin& origin) const;
    Losses write(ProfileDocument& document) const;

    int screenWidth = 0;
    int screenHeight = 0;
    std::array<Message, kMessageCount> messages;
    int altBegin = 0;
    int altCount = 0;
    int timeMessage = 0;
    int daysMessage = 0;
    int hourPosition = 0;
    int minutePosition = 0;
    int daysPosition = 0;
    QString countdownDays;
    int workTimeEnabled = 0;
    int startMinutes = 0;
    int endMinutes = 0;

    friend bool operator==(const ProjectFile&, const ProjectFile&) = default;
};

// The settings file last loaded or saved, and the values the project held right after. A value
// loading could not take (a number out of its range) is held otherwise than the file says; as
// long as it is still held so, the operator did not change it and the file's bytes stay.
struct FileOrigin {
    ProfileDocument document;
    std::optional<ProjectFile> values;
};
