// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

class Project;

// What `p10signctl info` reports of a project: every setting that `set` can change, the card
// memory it fills and what an upload of it would send.
struct ProjectSummary {
    struct Message {
        int index = 0;
        int length = 0;    // byte columns
        int modeIndex = 0; // -1 when the mode was typed
        QString mode;
        QString speed;
        QString text;
        QString font;
        QString size;
        bool bold = false;
        bool flash = false;
        bool frame = false;
        QString adjust;
    };

    QString screenWidth;
    QString screenHeight;
    QList<Message> messages;
    // The messages carrying the clock and countdown digits (nothing for "None") and the digits'
    // byte columns as their lists show them.
    std::optional<int> clockMessage;
    QString hourPosition;
    QString minutePosition;
    std::optional<int> daysMessage;
    QString daysPosition;
    QString countdownDays;
    bool workTimeEnabled = false;
    QString workStart; // "hh:mm"
    QString workEnd;
    int memoryBytes = 0;     // display bytes the card holds after the upload
    double gaugePercent = 0; // how full the usage gauge shows
    int altBegin = 0;
    int altCount = 0;
    qint64 uploadBytes = 0;
    double uploadSeconds = 0; // at 9600 baud, with the fixed waits
    QList<int> cut;           // messages the card's memory holds only in part
    QList<int> dropped;       // messages it has no room for
    QString overflow;         // the same, as the window names them

    [[nodiscard]] static ProjectSummary of(const Project& project);
    [[nodiscard]] QString text() const;
    [[nodiscard]] QJsonObject json() const;
};
