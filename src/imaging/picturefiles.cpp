// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/picturefiles.h"

#include "files/filecommit.h"
#include "imaging/bmpcrop.h"
#include "imaging/imagingconstants.h"
#include "imaging/messagecanvas.h"
#include "model/limits.h"
#include "texts/picturetexts.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <array>
#include <cstdlib>
#include <limits>

namespace {

constexpr qint64 kBytesPerPixel = 4;

// A forged header claims up to 2^31 pixels each way, so the product is taken in 64 bits and
// compared without multiplying further.
bool overBudget(const QSize& size)
{
    return qint64(size.width()) * size.height() > Imaging::kDecodeBudgetBytes / kBytesPerPixel;
}

// The size a BMP header claims, read directly: the decoder reports no size at all for headers it
// rejects, and the operator should hear that the picture is too large rather than not a picture.
QSize claimedBmpSize(QIODevice& file)
{
    constexpr int kWidthOffset = 18;
    constexpr int kHeightOffset = 22;
    std::array<char, kHeightOffset + 4> header{};
    if (!file.seek(0) || file.peek(header.data(), qint64(header.size())) != qint64(header.size()) ||
        header[0] != 'B' || header[1] != 'M')
        return {};
    const auto width = qFromLittleEndian<qint32>(header.data() + kWidthOffset);
    const auto height = qFromLittleEndian<qint32>(header.data() + kHeightOffset);
    // Bottom-up pictures have a positive height, top-down ones a negative one.
    return QSize(width, height == std::numeric_limits<qint32>::min() ? -1 : std::abs(height));
}

// The decoder's words only where it has some: "Unknown error" tells the operator nothing.
QString decoderReason(const QImageReader& reader)
{
    return reader.error() == QImageReader::UnknownError ? QString() : reader.errorString();
}

} // namespace

PictureFiles::Loaded PictureFiles::read(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return {{}, PictureTexts::missing(), {}};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, PictureTexts::unreadable(), file.errorString()};
    // An uncompressed BMP is cut before decoding, so only the kept part is ever decoded.
    QBuffer cropped;
    if (const auto bytes = BmpCrop::crop(file, QSize(kCanvasWidth, kRows))) {
        cropped.setData(*bytes);
        cropped.open(QIODevice::ReadOnly);
    }
    // An absurd claimed size is refused before the decoder reads the header at all.
    if (const QSize claimed = claimedBmpSize(file);
        !cropped.isOpen() && claimed.isValid() && overBudget(claimed))
        return {{}, PictureTexts::tooLarge(), {}};
    if (!file.seek(0))
        return {{}, PictureTexts::unreadable(), file.errorString()};
    QImageReader reader(cropped.isOpen() ? static_cast<QIODevice*>(&cropped) : &file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(Imaging::kDecodeBudgetMegabytes);
    if (!reader.canRead())
        return {{}, PictureTexts::notAPicture(), decoderReason(reader)};

    // The declared size is checked before anything is decoded, so a forged header cannot make
    // the decoder allocate gigabytes; where the format allows, only the kept part is decoded.
    const QSize declared = reader.size();
    if (declared.isValid()) {
        if (declared.isEmpty())
            return {{}, PictureTexts::notAPicture(), {}};
        const QRect kept(0, 0, std::min(declared.width(), kCanvasWidth), std::min(declared.height(), kRows));
        const bool clips = reader.supportsOption(QImageIOHandler::ClipRect);
        if (overBudget(clips ? kept.size() : declared))
            return {{}, PictureTexts::tooLarge(), {}};
        if (clips && kept.size() != declared)
            reader.setClipRect(kept);
    }

    const QImage decoded = reader.read();
    if (decoded.isNull())
        return {{}, PictureTexts::notAPicture(), decoderReason(reader)};
    const QSize keptSize(std::min(decoded.width(), kCanvasWidth), std::min(decoded.height(), kRows));
    QImage picture(keptSize, QImage::Format_RGB32);
    picture.fill(MessageCanvas::kBlack);
    QPainter painter(&picture);
    painter.drawImage(QPoint(0, 0), decoded, QRect(QPoint(0, 0), keptSize));
    painter.end();
    return {picture, {}, {}};
}

QString PictureFiles::write(const QImage& picture, const QString& path, const char* format)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    // Every write is checked, and the old picture stays until the new one is whole; QSaveFile
    // would ignore a failure of its last flush and report the picture written.
    const FileCommit::Failure failure =
        FileCommit::replace({path, [&](QIODevice& file) { return QImageWriter(&file, format).write(rgb); }});
    if (!failure.failed())
        return {};
    return failure.reason.isEmpty() ? PictureTexts::notWritten() : failure.reason;
}

std::optional<QByteArray> PictureFiles::formatForName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty())
        return QByteArray("PNG");
    if (!writableExtensions().contains(suffix))
        return std::nullopt;
    return suffix.toLatin1();
}

QStringList PictureFiles::writableExtensions()
{
    QStringList extensions;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        extensions << QString::fromLatin1(format).toLower();
    return extensions;
}
