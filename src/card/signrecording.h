// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardmemory.h"
#include "card/signplayer.h"

#include <QString>
#include <functional>
#include <optional>

// Some seconds of what the sign shows, written as an animated GIF of LED dots or as one PNG
// picture a frame: `p10signctl preview` writes a project's, the virtual card what it received.
struct SignRecording {
    static constexpr int kFramesPerSecond = 25;

    int message = 0;
    int seconds = 10;
    int scale = 4;     // pixels from one LED to the next
    QString gifPath;   // or, when empty,
    QString framesDir; // frame0000.png, frame0001.png ...
};

class QIODevice;

// The GIF alone, to any device: the web service answers with it. Nothing when written, else the
// GIF writer's reason.
[[nodiscard]] std::optional<QString> writeSignGif(const CardMemory& memory, const SignRecording& recording,
                                                  const std::function<SignTime(qint64)>& timeAt,
                                                  QIODevice& device);

// timeAt: the moment of the sign's playing the given milliseconds after the first frame.
// Nothing when written, else why not.
[[nodiscard]] std::optional<QString> writeSignRecording(const CardMemory& memory,
                                                        const SignRecording& recording,
                                                        const std::function<SignTime(qint64)>& timeAt);
