// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/codepage932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <utility>

namespace {

// ICU knows the Windows table under this name; all its aliases (cp932, ms932) give the same one.
constexpr char kCodecName[] = "windows-31j";
constexpr char kUnknown = '?';

// Characters Windows writes by best fit, each as the code page's character that looks the same:
// input methods on other systems type these ("10時〜19時", "−5").
constexpr std::pair<char16_t, char16_t> kBestFit[] = {
    {u'\u301C', u'\uFF5E'}, // wave dash as fullwidth tilde, 81 60
    {u'\u2212', u'\uFF0D'}, // minus sign as fullwidth hyphen-minus, 81 7C
    {u'\u2016', u'\u2225'}, // double vertical line as parallel to, 81 61
    {u'\u00A2', u'\uFFE0'}, // cent sign, 81 91
    {u'\u00A3', u'\uFFE1'}, // pound sign, 81 92
    {u'\u00AC', u'\uFFE2'}, // not sign, 81 CA
    {u'\u2014', u'\u2015'}, // em dash as horizontal bar, 81 5C
};

QString withBestFit(QStringView text)
{
    QString result = text.toString();
    for (QChar& c : result) {
        for (const auto& [from, to] : kBestFit) {
            if (c == QChar(from))
                c = QChar(to);
        }
    }
    return result;
}

QStringEncoder makeEncoder()
{
    return QStringEncoder(kCodecName, QStringConverter::Flag::Stateless);
}

} // namespace

namespace CodePage932 {

QByteArray encode(QStringView original)
{
    const QString text = withBestFit(original);
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    // Rare: encode character by character so that each lost one becomes a single "?".
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder single = makeEncoder(); // a used encoder keeps reporting its old error
        const QByteArray one = single.encode(QStringView(text).sliced(i, length));
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
    static_cast<void>(QByteArray(encoder.encode(withBestFit(text))));
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
