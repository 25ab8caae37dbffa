// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/textnumbers.h"

#include <QString>
#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

std::optional<int> readRounded(QStringView text, int low, int high)
{
    bool ok = false;
    const double value = text.trimmed().toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const std::int64_t rounded = roundHalfEven(value);
    if (rounded < low || rounded > high)
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace

double numericValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool seenDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (text[i].isDigit() && text[i].unicode() < 128)
            seenDigit = true;
        else if (text[i] == u'.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    if (!seenDigit)
        return 0.0;
    bool ok = false;
    const double value = text.sliced(start, i - start).toString().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

std::optional<int> readByte(QStringView text)
{
    return readRounded(text, 0, 255);
}

std::optional<int> readInt16(QStringView text)
{
    return readRounded(text, -32768, 32767);
}

std::int64_t roundHalfEven(double value)
{
    constexpr double limit = 9.0e18;
    if (std::isnan(value))
        return 0;
    if (value >= limit)
        return static_cast<std::int64_t>(limit);
    if (value <= -limit)
        return -static_cast<std::int64_t>(limit);
    return static_cast<std::int64_t>(std::nearbyint(value)); // default rounding mode: to even
}

std::int64_t leadingInteger(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    std::int64_t value = 0;
    constexpr std::int64_t cap = std::numeric_limits<std::int64_t>::max() / 10 - 9;
    for (; i < text.size() && text[i].unicode() >= u'0' && text[i].unicode() <= u'9'; ++i) {
        if (value < cap)
            value = value * 10 + (text[i].unicode() - u'0');
    }
    return negative ? -value : value;
}
