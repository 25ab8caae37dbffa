// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/litrender.h"

#include "imaging/signarea.h"
#include "model/project.h"

QImage renderLit(const Project& project, int message)
{
    const int rows = SignArea::of(project.globals()).rows;
    const int columns = project.msgLen()[message];
    QImage image(columns * kPixelsPerByte, rows, QImage::Format_RGB32);
    image.fill(Qt::black);
    const DisplayData& data = project.dispData();
    for (int row = 0; row < rows; ++row) {
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(row));
        // The animation rounding may reach past the stored columns; those stay dark.
        for (int col = 0; col < std::min(columns, kColumns); ++col) {
            const std::uint8_t byte = data.at(col, row, message);
            for (int k = 0; k < kPixelsPerByte; ++k) {
                if (byte & (0x80 >> k))
                    pixels[col * kPixelsPerByte + k] = 0xFFFF0000u;
            }
        }
    }
    return image;
}
