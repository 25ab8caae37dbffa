// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

class Project;

// What `p10signctl info` reports of a project: the sign, each message, the card memory it fills
// and what an upload of it would send.
struct ProjectSummary {
    struct Message {
        int index = 0;
        int length = 0;    // byte columns
        int modeIndex = 0; // -1 when the mode was typed
        QString mode;
        QString speed;
    };

    QString screenWidth;
    QString screenHeight;
    QList<Message> messages;
    int memoryBytes = 0;     // display bytes the card holds after the upload
    double gaugePercent = 0; // how full the usage gauge shows
    int altBegin = 0;
    int altCount = 0;
    qint64 uploadBytes = 0;
    double uploadSeconds = 0; // at 9600 baud, with the fixed waits

    [[nodiscard]] static ProjectSummary of(const Project& project);
    [[nodiscard]] QString text() const;
    [[nodiscard]] QJsonObject json() const;
};
