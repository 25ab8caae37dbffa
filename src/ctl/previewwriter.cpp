// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/previewwriter.h"

#include "card/cardframes.h"

std::optional<QString> writePreview(const Project& project, const PreviewRequest& request)
{
    CardMemory memory = CardFrames::memoryOf(project);
    memory.clockSetTo = request.start;
    return writeSignRecording(memory, request.recording, [&](qint64 ms) {
        return SignTime{ms, memory.clockAt(ms)};
    });
}
