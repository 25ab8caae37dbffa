#pragma once

#include <QtGlobal>

class Project;

// What an upload of the project costs before it is started: the bytes the card will hold, the
// time on the line, and the message columns the card has no room for, which the upload leaves
// out. The window's sign view and `p10signctl info` report it.
struct UploadEstimate {
    int usedColumns = 0;     // byte columns of all messages, before clipping
    int capacityColumns = 0; // byte columns a row of the card holds at the screen's height
    int clippedColumns = 0;  // of usedColumns, those past the capacity
    int memoryBytes = 0;     // display bytes the card holds after the upload
    qint64 lineBytes = 0;    // everything written to the line
    double seconds = 0;      // at 9600 baud, with the exchange's fixed waits

    [[nodiscard]] bool fits() const { return clippedColumns == 0; }

    [[nodiscard]] static UploadEstimate of(const Project& project);
};
