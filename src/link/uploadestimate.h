// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class Project;

// What an upload of the project costs before it is started: the bytes the card will hold, the
// time on the line, and the message columns the card has no room for, which the upload leaves
// out. The window's sign view and `p10signctl info` report it; the transfer command asks with it
// before an upload that does not fit and counts down the time left by it.
struct UploadEstimate {
    int usedColumns = 0;     // byte columns of all messages, before clipping
    int capacityColumns = 0; // byte columns a row of the card holds at the screen's height
    int clippedColumns = 0;  // of usedColumns, those past the capacity
    int memoryBytes = 0;     // display bytes the card holds after the upload
    qint64 lineBytes = 0;    // everything written to the line
    double seconds = 0;      // at 9600 baud, with the exchange's fixed waits
    QList<int> cut;          // messages sent shorter than they are
    QList<int> dropped;      // messages left out: no room is left for them

    [[nodiscard]] bool fits() const { return clippedColumns == 0; }
    // One line naming the messages cut short and one those left out; empty when all fit.
    [[nodiscard]] QString overflowText() const;
    // That the project does not fit, what is cut and dropped, and `next`: what the reader can do.
    [[nodiscard]] QString overCapacityText(const QString& next) const;

    [[nodiscard]] static UploadEstimate of(const Project& project);
};
