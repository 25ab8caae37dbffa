#include "ctl/previewwriter.h"

#include "card/cardframes.h"
#include "card/gifwriter.h"
#include "card/ledpainter.h"
#include "card/signplayer.h"

#include <QDir>

namespace {

constexpr int kFrameMs = 1000 / PreviewRequest::kFramesPerSecond;

QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("書き出せません: %1 (%2)").arg(path, reason);
}

} // namespace

std::optional<QString> writePreview(const Project& project, const PreviewRequest& request)
{
    CardMemory memory = CardFrames::memoryOf(project);
    memory.clockSetTo = request.start;
    const LedPainter painter(request.scale);
    SignFrame frame;
    QImage image;
    std::optional<GifWriter> gif;
    if (request.framesDir.isEmpty())
        gif.emplace(request.gifPath, painter.imageSize(SignPlayer::frame(memory, request.message, {})),
                    painter.palette());
    else if (!QDir().mkpath(request.framesDir))
        return cannotWrite(request.framesDir, QStringLiteral("mkdir"));

    const int frames = request.seconds * PreviewRequest::kFramesPerSecond;
    for (int i = 0; i < frames; ++i) {
        const qint64 ms = qint64(i) * kFrameMs;
        SignPlayer::frame(memory, request.message, {ms, memory.clockAt(ms)}, frame);
        painter.paint(frame, image);
        if (gif) {
            if (!gif->addFrame(image, kFrameMs))
                return cannotWrite(request.gifPath, gif->errorString());
            continue;
        }
        const QString path =
            QDir(request.framesDir).filePath(QStringLiteral("frame%1.png").arg(i, 4, 10, QLatin1Char('0')));
        if (!image.save(path, "PNG"))
            return cannotWrite(path, QStringLiteral("PNG"));
    }
    if (gif && !gif->commit())
        return cannotWrite(request.gifPath, gif->errorString());
    return std::nullopt;
}
