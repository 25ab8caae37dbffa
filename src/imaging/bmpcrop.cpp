// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bmpcrop.h"

#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40; // BITMAPINFOHEADER; the later versions only add fields
constexpr int kSizeOffset = 2;
constexpr int kPixelsOffset = 10;
constexpr int kHeaderSizeOffset = 14;
constexpr int kWidthOffset = 18;
constexpr int kHeightOffset = 22;
constexpr int kPlanesOffset = 26;
constexpr int kBitsOffset = 28;
constexpr int kCompressionOffset = 30;
constexpr int kImageSizeOffset = 34;
constexpr quint32 kUncompressed = 0;
constexpr quint32 kBitFields = 3;
constexpr quint32 kAlphaBitFields = 6;

// The headers are read into a fixed array, so that every field offset is known to lie inside.
using Headers = std::array<char, kFileHeaderSize + kInfoHeaderSize>;

template <typename T> T read(const Headers& bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.data() + offset);
}

template <typename T> void write(QByteArray& bytes, int offset, T value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

qint64 rowStride(qint64 width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

} // namespace

std::optional<QByteArray> BmpCrop::crop(QIODevice& file, QSize keep)
{
    if (!file.seek(0))
        return std::nullopt;
    Headers start{};
    if (file.peek(start.data(), qint64(start.size())) != qint64(start.size()) || start[0] != 'B' ||
        start[1] != 'M')
        return std::nullopt;
    const auto pixelsAt = read<quint32>(start, kPixelsOffset);
    const auto headerSize = read<quint32>(start, kHeaderSizeOffset);
    const auto width = read<qint32>(start, kWidthOffset);
    const auto height = read<qint32>(start, kHeightOffset);
    const auto bits = int(read<quint16>(start, kBitsOffset));
    const auto compression = read<quint32>(start, kCompressionOffset);
    const bool knownBits = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool uncompressed =
        compression == kUncompressed ||
        ((bits == 16 || bits == 32) && (compression == kBitFields || compression == kAlphaBitFields));
    if (headerSize < quint32(kInfoHeaderSize) || pixelsAt < kFileHeaderSize + headerSize || width <= 0 ||
        height == 0 || height == std::numeric_limits<qint32>::min() ||
        read<quint16>(start, kPlanesOffset) != 1 || !knownBits || !uncompressed)
        return std::nullopt;

    const bool topDown = height < 0;
    const qint64 rows = std::abs(qint64(height));
    const qint64 stride = rowStride(width, bits);
    // Divided rather than multiplied: a forged header's rows times its stride passes 2^63.
    if (file.size() < qint64(pixelsAt) || rows > (file.size() - qint64(pixelsAt)) / stride)
        return std::nullopt;

    const int keptWidth = std::min(width, qint32(keep.width()));
    const int keptRows = int(std::min<qint64>(rows, keep.height()));
    const qint64 keptStride = rowStride(keptWidth, bits);
    const qint64 keptRowBytes = (qint64(keptWidth) * bits + 7) / 8;

    QByteArray header = file.read(pixelsAt);
    if (header.size() != qint64(pixelsAt))
        return std::nullopt;
    write<qint32>(header, kWidthOffset, keptWidth);
    write<qint32>(header, kHeightOffset, topDown ? -keptRows : keptRows);
    write<quint32>(header, kImageSizeOffset, quint32(keptStride * keptRows));
    write<quint32>(header, kSizeOffset, quint32(pixelsAt + keptStride * keptRows));

    QByteArray cropped = header;
    cropped.reserve(header.size() + keptStride * keptRows);
    for (int stored = 0; stored < keptRows; ++stored) {
        // Rows are stored from the bottom up unless the height is negative.
        const int y = topDown ? stored : keptRows - 1 - stored;
        const qint64 sourceRow = topDown ? y : rows - 1 - y;
        if (!file.seek(pixelsAt + sourceRow * stride))
            return std::nullopt;
        QByteArray row = file.read(keptRowBytes);
        if (row.size() != keptRowBytes)
            return std::nullopt;
        row.resize(keptStride, '\0');
        cropped += row;
    }
    return cropped;
}
