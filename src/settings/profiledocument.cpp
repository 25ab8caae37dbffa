// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profiledocument.h"

#include "model/textnumbers.h"
#include "settings/codepage932.h"
#include "settings/settingsformat.h"

#include <QString>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Only ASCII letters fold: the second byte of a two-byte character must keep its case.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (CodePage932::isLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<QByteArrayView> sectionName(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    return trimmed(text.sliced(1, (close < 0 ? text.size() : close) - 1));
}

std::optional<QByteArrayView> keyName(QByteArrayView line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return trimmed(line.first(equals));
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

// Windows drops blanks and a pair of quotes around a value; quoting keeps what they would drop.
QByteArray quotedIfNeeded(QByteArrayView value)
{
    const bool blankEdge = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()));
    const bool quotedEdge = value.size() >= 2 && isQuote(value.front()) && value.front() == value.back();
    if (blankEdge || quotedEdge)
        return '"' + value.toByteArray() + '"';
    return value.toByteArray();
}

QByteArrayView firstLine(QByteArrayView value)
{
    qsizetype end = 0;
    while (end < value.size() && value[end] != '\r' && value[end] != '\n')
        ++end;
    return value.first(end);
}

} // namespace

ProfileDocument::ProfileDocument(QByteArrayView bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            m_lines.push_back({bytes.sliced(start).toByteArray(), {}});
            break;
        }
        const bool crlf = newline > start && bytes[newline - 1] == '\r';
        const qsizetype textEnd = crlf ? newline - 1 : newline;
        m_lines.push_back({bytes.sliced(start, textEnd - start).toByteArray(), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
}

QByteArray ProfileDocument::toBytes() const
{
    QByteArray bytes;
    for (const Line& line : m_lines)
        bytes += line.text + line.end;
    return bytes;
}

std::optional<ProfileDocument::Range> ProfileDocument::findSection(QByteArrayView section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i].text);
        if (!name || !sameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines[end].text))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileDocument::findKey(Range range, QByteArrayView key) const
{
    for (std::size_t i = range.begin + 1; i < range.end; ++i) {
        const auto name = keyName(m_lines[i].text);
        if (name && sameName(*name, key))
            return i;
    }
    return std::nullopt;
}

void ProfileDocument::insertLine(std::size_t at, QByteArray text)
{
    if (at > 0 && m_lines[at - 1].end.isEmpty())
        m_lines[at - 1].end = SettingsFormat::kLineEnd;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{std::move(text), SettingsFormat::kLineEnd});
}

void ProfileDocument::writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const QByteArray stored = quotedIfNeeded(firstLine(value));
    const auto range = findSection(section);
    if (!range) {
        insertLine(m_lines.size(), '[' + section.toByteArray() + ']');
        insertLine(m_lines.size(), key.toByteArray() + '=' + stored);
        return;
    }
    if (const auto line = findKey(*range, key)) {
        Line& target = m_lines[*line];
        target.text = keyName(target.text)->toByteArray() + '=' + stored;
        return;
    }
    // After the section's last line that is not blank, so blank lines stay between sections.
    std::size_t at = range->end;
    while (at > range->begin + 1 && trimmed(m_lines[at - 1].text).isEmpty())
        --at;
    insertLine(at, key.toByteArray() + '=' + stored);
}

void ProfileDocument::writeInt(QByteArrayView section, QByteArrayView key, std::int64_t value)
{
    writeString(section, key, QByteArray::number(value));
}

std::optional<QByteArray> ProfileDocument::value(QByteArrayView section, QByteArrayView key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto line = findKey(*range, key);
    if (!line)
        return std::nullopt;
    const QByteArrayView text = m_lines[*line].text;
    QByteArrayView result = trimmed(text.sliced(text.indexOf('=') + 1));
    if (result.size() >= 2 && isQuote(result.front()) && result.front() == result.back())
        result = result.sliced(1, result.size() - 2);
    return result.toByteArray();
}

QByteArray ProfileDocument::readString(QByteArrayView section, QByteArrayView key, QByteArrayView fallback,
                                       int bufferSize) const
{
    const auto found = value(section, key);
    const QByteArrayView text = found ? QByteArrayView(*found) : fallback;
    return CodePage932::cutToBuffer(text, bufferSize).toByteArray();
}

std::int64_t ProfileDocument::readInt(QByteArrayView section, QByteArrayView key, std::int64_t fallback) const
{
    const auto found = value(section, key);
    if (!found || found->isEmpty())
        return fallback;
    return leadingInteger(QString::fromLatin1(*found));
}
