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

std::optional<QString> writeSignRecording(const CardMemory& memory, const SignRecording& recording,
                                          const std::function<SignTime(qint64)>& timeAt)
{
    const LedPainter painter(recording.scale);
    SignFrame frame;
    QImage image;
    const auto paint = [&](int i) -> const QImage& {
        SignPlayer::frame(memory, recording.message, timeAt(qint64(i) * kFrameMs), frame);
        painter.paint(frame, image);
        return image;
    };
    const int frames = recording.seconds * SignRecording::kFramesPerSecond;

    if (recording.framesDir.isEmpty()) {
        QString gifError;
        const auto writeGif = [&](QIODevice& file) {
            GifWriter gif(file, painter.imageSize(SignPlayer::frame(memory, recording.message, {})),
                          painter.palette());
            for (int i = 0; i < frames; ++i) {
                if (!gif.addFrame(paint(i), kFrameMs)) {
                    gifError = gif.errorString();
                    return false;
                }
            }
            if (gif.finish())
                return true;
            gifError = gif.errorString();
            return false;
        };
        const FileCommit::Failure failure = FileCommit::replace({recording.gifPath, writeGif});
        if (failure.failed())
            return CardTexts::cannotWrite(recording.gifPath,
                                          failure.reason.isEmpty() ? gifError : failure.reason);
        return std::nullopt;
    }

    if (!QDir().mkpath(recording.framesDir))
        return CardTexts::cannotWrite(recording.framesDir, CardTexts::noFolder());
    for (int i = 0; i < frames; ++i) {
        const QString path =
            QDir(recording.framesDir).filePath(QStringLiteral("frame%1.png").arg(i, 4, 10, QLatin1Char('0')));
        if (const QString reason = PictureFiles::write(paint(i), path, "PNG"); !reason.isEmpty())
            return CardTexts::cannotWrite(path, reason);
    }
    return std::nullopt;
}
