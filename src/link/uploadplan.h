// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/uploadframes.h"

#include <QList>
#include <QString>

class Project;

// What an upload of the project as it stands would send: the message directory by the screen's
// row capacity, the messages it would cut short or leave out, the bytes on the line and how long
// the line and the fixed waits take. The transfer command asks and estimates with it, and
// `p10signctl info` reports it, so the window and the command line say the same.
struct UploadPlan {
    UploadFrames::ScreenRows rows;
    UploadFrames::MessageDirectory directory;
    QList<int> cut;         // sent shorter than they are
    QList<int> dropped;     // not sent at all: no room is left for them
    qint64 memoryBytes = 0; // display bytes the card holds afterwards
    qint64 streamBytes = 0; // greeting, header and every row
    qint64 durationMs = 0;  // at 9600 baud, with the fixed waits

    [[nodiscard]] bool fits() const { return cut.isEmpty() && dropped.isEmpty(); }
    // One line for the messages cut short and one for those left out; empty when all fit.
    [[nodiscard]] QString overflowText() const;

    [[nodiscard]] static UploadPlan of(const Project& project);
};
