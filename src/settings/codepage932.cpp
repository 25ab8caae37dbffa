// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/codepage932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace {

// ICU knows the Windows table under this name; all its aliases (cp932, ms932) give the same one.
constexpr char kCodecName[] = "windows-31j";
constexpr char kUnknown = '?';

QStringEncoder makeEncoder()
{
    return QStringEncoder(kCodecName, QStringConverter::Flag::Stateless);
}

} // namespace

namespace CodePage932 {

QByteArray encode(QStringView text)
{
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    // Rare: encode character by character so that each lost one becomes a single "?".
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder single = makeEncoder(); // a used encoder keeps reporting its old error
        const QByteArray one = single.encode(text.sliced(i, length));
        if (single.hasError())
            bytes += kUnknown;
        else
            bytes += one;
        i += length;
    }
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool canEncode(QStringView text)
{
    QStringEncoder encoder = makeEncoder();
    // The encoder converts only when its result becomes bytes.
    static_cast<void>(QByteArray(encoder.encode(text)));
    return !encoder.hasError();
}

QByteArrayView cutToBuffer(QByteArrayView bytes, int bufferSize)
{
    const qsizetype limit = std::max(bufferSize - 1, 0);
    if (bytes.size() <= limit)
        return bytes;
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype length = isLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
        if (end + length > limit)
            break;
        end += length;
    }
    return bytes.first(end);
}

} // namespace CodePage932
