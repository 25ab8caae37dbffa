// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QSaveFile>
#include <QString>

struct GifFileType;

// Writes an animated GIF that loops for ever, frame by frame, with giflib. Every frame is drawn
// in the one palette given, so frames from the LED painter keep their exact colours. The file is
// replaced only by commit(): a failed or abandoned write leaves what was there before.
class GifWriter {
public:
    GifWriter(const QString& path, QSize size, const QList<QRgb>& palette);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // The image must have the size given; the frame stays delayMs before the next one.
    [[nodiscard]] bool addFrame(const QImage& image, int delayMs);
    [[nodiscard]] bool commit();
    // Why the last call failed.
    [[nodiscard]] const QString& errorString() const { return m_error; }

private:
    [[nodiscard]] bool start();
    [[nodiscard]] bool fail(int gifError);

    QSaveFile m_file;
    QSize m_size;
    QList<QRgb> m_palette;
    GifFileType* m_gif = nullptr;
    QString m_error;
};
