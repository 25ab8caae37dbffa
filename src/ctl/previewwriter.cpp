// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/previewwriter.h"

#include "card/cardframes.h"

#include <QBuffer>

namespace {

// The card's memory for the project, its clock set at the request's start, and the moment of its
// playing each frame shows.
struct PreviewPlay {
    CardMemory memory;
    std::function<SignTime(qint64)> timeAt;

    PreviewPlay(const Project& project, const QTime& start)
        : memory(CardFrames::memoryOf(project))
        , timeAt([this](qint64 ms) {
            return SignTime{ms, memory.clockAt(ms)};
        })
    {
        memory.clockSetTo = start;
    }
    PreviewPlay(const PreviewPlay&) = delete;
    PreviewPlay& operator=(const PreviewPlay&) = delete;
};

} // namespace

std::optional<QString> writePreview(const Project& project, const PreviewRequest& request)
{
    const PreviewPlay play(project, request.start);
    return writeSignRecording(play.memory, request.recording, play.timeAt);
}

std::variant<QByteArray, QString> previewGif(const Project& project, const PreviewRequest& request)
{
    const PreviewPlay play(project, request.start);
    QByteArray gif;
    QBuffer buffer(&gif);
    buffer.open(QIODevice::WriteOnly);
    if (auto failure = writeSignGif(play.memory, request.recording, play.timeAt, buffer))
        return *failure;
    return gif;
}
