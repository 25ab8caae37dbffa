// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/signrecording.h"

#include <QTime>
#include <optional>
#include <variant>

class Project;

// What the sign shows over some seconds from the start of its playing, as `p10signctl preview`
// writes it. The card's clock starts at the time given, as a clock set would leave it.
struct PreviewRequest {
    SignRecording recording;
    QTime start;
};

// Nothing when written, else why not.
[[nodiscard]] std::optional<QString> writePreview(const Project& project, const PreviewRequest& request);
// The same as the bytes of a GIF file (the recording's paths are not used), else why not.
[[nodiscard]] std::variant<QByteArray, QString> previewGif(const Project& project,
                                                           const PreviewRequest& request);
