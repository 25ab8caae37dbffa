// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/gifwriter.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <gif_lib.h>
#include <utility>

namespace {

constexpr int kMaxColours = 256;
constexpr int kColourResolution = 8;
constexpr int kCentisecondMs = 10;
// The application extension that makes viewers loop the animation, for ever with a count of 0.
constexpr std::array<GifByteType, 11> kLoopName{'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
constexpr std::array<GifByteType, 3> kLoopForever{1, 0, 0};

int writeToFile(GifFileType* gif, const GifByteType* bytes, int size)
{
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return int(device->write(reinterpret_cast<const char*>(bytes), size));
}

} // namespace

GifWriter::GifWriter(QIODevice& device, QSize size, const QList<QRgb>& palette)
    : m_device(device)
    , m_size(size)
    , m_palette(palette.mid(0, kMaxColours))
{
}

GifWriter::~GifWriter()
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
}

bool GifWriter::fail(int gifError)
{
    m_error = QString::fromUtf8(GifErrorString(gifError));
    return false;
}

bool GifWriter::start()
{
    int error = 0;
    m_gif = EGifOpen(&m_device, writeToFile, &error);
    if (!m_gif)
        return fail(error);
    EGifSetGifVersion(m_gif, true);

    int colours = 2; // a colour map holds a power of two
    while (colours < m_palette.size())
        colours *= 2;
    std::vector<GifColorType> map(std::size_t(colours), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < m_palette.size(); ++i) {
        const QRgb c = m_palette[i];
        map[std::size_t(i)] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    ColorMapObject* colourMap = GifMakeMapObject(colours, map.data());
    const bool described = colourMap && EGifPutScreenDesc(m_gif, m_size.width(), m_size.height(),
                                                          kColourResolution, 0, colourMap) == GIF_OK;
    GifFreeMapObject(colourMap);
    if (!described)
        return fail(m_gif->Error);
    if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(m_gif, int(kLoopName.size()), kLoopName.data()) != GIF_OK ||
        EGifPutExtensionBlock(m_gif, int(kLoopForever.size()), kLoopForever.data()) != GIF_OK ||
        EGifPutExtensionTrailer(m_gif) != GIF_OK)
        return fail(m_gif->Error);
    return true;
}

bool GifWriter::addFrame(const QImage& image, int delayMs)
{
    if (!m_gif && !start())
        return false;
    Q_ASSERT(image.size() == m_size);
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, m_palette, Qt::ThresholdDither);
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, (delayMs + kCentisecondMs / 2) / kCentisecondMs,
                                 NO_TRANSPARENT_COLOR};
    std::array<GifByteType, 4> extension{};
    const auto length = int(EGifGCBToExtension(&control, extension.data()));
    if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, length, extension.data()) != GIF_OK ||
        EGifPutImageDesc(m_gif, 0, 0, m_size.width(), m_size.height(), false, nullptr) != GIF_OK)
        return fail(m_gif->Error);
    for (int y = 0; y < m_size.height(); ++y) {
        if (EGifPutLine(m_gif, indexed.scanLine(y), m_size.width()) != GIF_OK)
            return fail(m_gif->Error);
    }
    return true;
}

bool GifWriter::finish()
{
    if (!m_gif && !start())
        return false;
    int error = 0;
    if (EGifCloseFile(std::exchange(m_gif, nullptr), &error) != GIF_OK)
        return fail(error);
    return true;
}
