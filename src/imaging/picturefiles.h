// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

// Picture files of a message. Reading takes a BMP, GIF, JPEG, icon or PNG pixel for pixel, only the
// part the canvas keeps, transparent pixels black, and refuses what is missing, not a picture or
// would need unreasonable memory to decode. Writing replaces only a regular file (following a link
// to one) and only with a whole picture.
class PictureFiles {
public:
    struct Loaded {
        QImage picture;  // RGB32, at most 16376 x 32
        QString problem; // what to tell the operator when nothing could be read; empty on success
        QString reason;  // the system's or the decoder's own words for it, where they have any
    };

    [[nodiscard]] static Loaded read(const QString& path);
    // Empty when the whole picture was written in the format ("BMP" stores 24 bits a pixel);
    // otherwise why not, and the old file is as it was.
    [[nodiscard]] static QString write(const QImage& picture, const QString& path, const char* format);
    // The format a picture's file name asks for by its extension, where pictures of that kind can be
    // written; PNG for a name without one.
    [[nodiscard]] static std::optional<QByteArray> formatForName(const QString& path);
    // The extensions pictures can be written with, lower case.
    [[nodiscard]] static QStringList writableExtensions();
};
