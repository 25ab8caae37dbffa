// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/signrecording.h"

#include "card/gifwriter.h"
#include "card/ledpainter.h"
#include "files/filecommit.h"
#include "imaging/picturefiles.h"
#include "texts/cardtexts.h"

#include <QDir>

namespace {

constexpr int kFrameMs = 1000 / SignRecording::kFramesPerSecond;

} // namespace

std::optional<QString> writeSignGif(const CardMemory& memory, const SignRecording& recording,
                                    const std::function<SignTime(qint64)>& timeAt, QIODevice& device)
{
    const LedPainter painter(recording.scale);
    SignFrame frame;
    QImage image;
    GifWriter gif(device, painter.imageSize(SignPlayer::frame(memory, recording.message, {})),
                  painter.palette());
    const int frames = recording.seconds * SignRecording::kFramesPerSecond;
    for (int i = 0; i < frames; ++i) {
        SignPlayer::frame(memory, recording.message, timeAt(qint64(i) * kFrameMs), frame);
        painter.paint(frame, image);
        if (!gif.addFrame(image, kFrameMs))
            return gif.errorString();
    }
    if (!gif.finish())
        return gif.errorString();
    return std::nullopt;
}

std::optional<QString> writeSignRecording(const CardMemory& memory, const SignRecording& recording,
                                          const std::function<SignTime(qint64)>& timeAt)
{
    if (recording.framesDir.isEmpty()) {
        QString gifError;
        const auto writeGif = [&](QIODevice& file) {
            gifError = writeSignGif(memory, recording, timeAt, file).value_or(QString());
            return gifError.isEmpty();
        };
        const FileCommit::Failure failure = FileCommit::replace({recording.gifPath, writeGif});
        if (failure.failed())
            return CardTexts::cannotWrite(recording.gifPath,
                                          failure.reason.isEmpty() ? gifError : failure.reason);
        return std::nullopt;
    }

    const LedPainter painter(recording.scale);
    SignFrame frame;
    QImage image;
    if (!QDir().mkpath(recording.framesDir))
        return CardTexts::cannotWrite(recording.framesDir, CardTexts::noFolder());
    const int frames = recording.seconds * SignRecording::kFramesPerSecond;
    for (int i = 0; i < frames; ++i) {
        SignPlayer::frame(memory, recording.message, timeAt(qint64(i) * kFrameMs), frame);
        painter.paint(frame, image);
        const QString path =
            QDir(recording.framesDir).filePath(QStringLiteral("frame%1.png").arg(i, 4, 10, QLatin1Char('0')));
        if (const QString reason = PictureFiles::write(image, path, "PNG"); !reason.isEmpty())
            return CardTexts::cannotWrite(path, reason);
    }
    return std::nullopt;
}
