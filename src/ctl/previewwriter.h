#pragma once

#include <QString>
#include <QTime>
#include <optional>

class Project;

// What the sign shows over some seconds from the start of its playing, as `p10signctl preview`
// writes it: an animated GIF of LED dots, or one PNG picture a frame. The card's clock starts at
// the time given, as a clock set would leave it.
struct PreviewRequest {
    static constexpr int kFramesPerSecond = 25;

    int message = 0;
    int seconds = 10;
    int scale = 4; // pixels from one LED to the next
    QTime start;
    QString gifPath;   // or, when empty,
    QString framesDir; // frame0000.png, frame0001.png ...
};

// Nothing when written, else why not.
[[nodiscard]] std::optional<QString> writePreview(const Project& project, const PreviewRequest& request);
