// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/datarepaint.h"

#include "imaging/messagecanvas.h"
#include "model/displaydata.h"

#include <QImage>

namespace DataRepaint {

bool repaintMessage(int message, std::span<const std::uint8_t, kMessageBytes> loaded, DisplayData& data,
                    MessageCanvas& canvas)
{
    const std::span<std::uint8_t, kMessageBytes> held = data.message(message);
    bool changed = false;
    QImage& image = canvas.image();
    for (int row = 0; row < kRows; ++row) {
        QRgb* pixels = nullptr;
        for (int col = 0; col < kColumns; ++col) {
            const std::size_t at = DisplayData::offset(col, row, 0);
            const std::uint8_t byte = loaded[at];
            if (byte == held[at])
                continue;
            if (!pixels)
                pixels = reinterpret_cast<QRgb*>(image.scanLine(row));
            QRgb* target = pixels + col * kPixelsPerByte;
            for (int bit = 0; bit < kPixelsPerByte; ++bit)
                target[bit] = (byte & (0x80 >> bit)) ? MessageCanvas::kRed : MessageCanvas::kBlack;
            held[at] = byte;
            changed = true;
        }
    }
    return changed;
}

} // namespace DataRepaint
