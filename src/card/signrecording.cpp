// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/signrecording.h"

#include "card/gifwriter.h"
#include "card/ledpainter.h"
#include "dialogs/cardtexts.h"

#include <QDir>

namespace {

constexpr int kFrameMs = 1000 / SignRecording::kFramesPerSecond;

} // namespace

std::optional<QString> writeSignRecording(const CardMemory& memory, const SignRecording& recording,
                                          const std::function<SignTime(qint64)>& timeAt)
{
    const LedPainter painter(recording.scale);
    SignFrame frame;
    QImage image;
    std::optional<GifWriter> gif;
    if (recording.framesDir.isEmpty())
        gif.emplace(recording.gifPath, painter.imageSize(SignPlayer::frame(memory, recording.message, {})),
                    painter.palette());
    else if (!QDir().mkpath(recording.framesDir))
        return CardTexts::cannotWrite(recording.framesDir, QStringLiteral("mkdir"));

    const int frames = recording.seconds * SignRecording::kFramesPerSecond;
    for (int i = 0; i < frames; ++i) {
        const qint64 ms = qint64(i) * kFrameMs;
        SignPlayer::frame(memory, recording.message, timeAt(ms), frame);
        painter.paint(frame, image);
        if (gif) {
            if (!gif->addFrame(image, kFrameMs))
                return CardTexts::cannotWrite(recording.gifPath, gif->errorString());
            continue;
        }
        const QString path =
            QDir(recording.framesDir).filePath(QStringLiteral("frame%1.png").arg(i, 4, 10, QLatin1Char('0')));
        if (!image.save(path, "PNG"))
            return CardTexts::cannotWrite(path, QStringLiteral("PNG"));
    }
    if (gif && !gif->commit())
        return CardTexts::cannotWrite(recording.gifPath, gif->errorString());
    return std::nullopt;
}
