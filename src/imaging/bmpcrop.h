// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSize>
#include <optional>

class QIODevice;

// Cuts an uncompressed BMP down to the part a canvas keeps, reading only the rows it needs, so
// that decoding a picture many times larger than the canvas allocates no more than the canvas
// holds. Compressed or malformed files are left to the general decoder.
class BmpCrop {
public:
    // A BMP file of at most keep's size holding the top-left part of the file's picture, or
    // nothing when the file is not an uncompressed BMP with all the rows it claims.
    [[nodiscard]] static std::optional<QByteArray> crop(QIODevice& file, QSize keep);
};
