// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QIODevice;
struct GifFileType;

// Writes an animated GIF that loops for ever, frame by frame, with giflib, to a device that
// FileCommit gives, which keeps the old file until the new one is whole. Every frame is drawn in
// the one palette given, so frames from the LED painter keep their exact colours.
class GifWriter {
public:
    GifWriter(QIODevice& device, QSize size, const QList<QRgb>& palette);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // The image must have the size given; the frame stays delayMs before the next one.
    [[nodiscard]] bool addFrame(const QImage& image, int delayMs);
    // Writes the end of the file.
    [[nodiscard]] bool finish();
    // giflib's words for why the last call failed; a failing device tells its own reason.
    [[nodiscard]] const QString& errorString() const { return m_error; }

private:
    [[nodiscard]] bool start();
    [[nodiscard]] bool fail(int gifError);

    QIODevice& m_device;
    QSize m_size;
    QList<QRgb> m_palette;
    GifFileType* m_gif = nullptr;
    QString m_error;
};
