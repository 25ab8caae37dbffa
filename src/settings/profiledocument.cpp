// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profiledocument.h"

#include "model/textnumbers.h"
#include "settings/codepage932.h"

#include <QString>
#include <algorithm>
#include <cstring>

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

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

// Names that match give the same folded name. Only ASCII letters fold: the second byte of a
// two-byte character must keep its case.
QByteArray folded(QByteArrayView name)
{
    QByteArray result(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (CodePage932::isLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size()) {
            result[i] = name[i];
            ++i;
            result[i] = name[i];
        } else {
            result[i] = asciiLower(name[i]);
        }
    }
    return result;
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

QByteArrayView valueOf(QByteArrayView line)
{
    return trimmed(line.sliced(line.indexOf('=') + 1));
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && isQuote(value.front()) && value.front() == value.back())
        return value.sliced(1, value.size() - 2);
    return value;
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

QByteArrayView ProfileDocument::endBytes(LineEnd end)
{
    switch (end) {
    case LineEnd::CrLf:
        return "\r\n";
    case LineEnd::Lf:
        return "\n";
    case LineEnd::Cr:
        return "\r";
    case LineEnd::None:
        break;
    }
    return {};
}

ProfileDocument::ProfileDocument(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    if (QByteArrayView(m_bytes).startsWith(kUtf8Mark))
        m_prefix = qsizetype(sizeof(kUtf8Mark) - 1);
    const char* const data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    // Counted first, so that a large file fills its tables without moving them.
    const auto sections = std::size_t(std::count(data, data + size, '['));
    m_lines.reserve(std::size_t(std::count(data, data + size, '\n')) + 1);
    m_sections.reserve(sections + 1);
    m_index.reserve(qsizetype(sections));
    bool formKnown = false;
    qsizetype start = m_prefix;
    while (start < size) {
        // Lines end in CR LF, LF or a lone CR; memchr finds either quickly in a large file.
        const auto* newline =
            static_cast<const char*>(std::memchr(data + start, '\n', std::size_t(size - start)));
        const qsizetype lineFeed = newline ? newline - data : size;
        const auto* cr =
            static_cast<const char*>(std::memchr(data + start, '\r', std::size_t(lineFeed - start)));
        const qsizetype crAt = cr ? cr - data : lineFeed;
        Line line{start, crAt - start, LineEnd::None};
        if (crAt + 1 < lineFeed || (cr && !newline)) {
            line.end = LineEnd::Cr;
            start = crAt + 1;
        } else {
            line.end = !newline ? LineEnd::None : cr ? LineEnd::CrLf : LineEnd::Lf;
            start = lineFeed + 1;
        }
        if (!formKnown && line.end != LineEnd::None) {
            m_lineEnd = line.end;
            formKnown = true;
        }
        if (const auto name = sectionName(text(line))) {
            closeSection();
            // 0 is the lines before the first section, never a named one: a new entry is unset.
            if (std::size_t& first = m_index[folded(*name)]; first == 0)
                first = m_sections.size();
            m_sections.push_back(Section{m_lines.size(), m_lines.size(), 0, true, {}});
        }
        m_lines.push_back(line);
    }
    closeSection();
}

void ProfileDocument::closeSection()
{
    Section& last = m_sections.back();
    last.end = m_lines.size();
    last.insertAt = last.end;
    const std::size_t first = last.begin + (last.hasHeader ? 1 : 0);
    while (last.insertAt > first && trimmed(text(m_lines[last.insertAt - 1])).isEmpty())
        --last.insertAt;
}

QByteArray ProfileDocument::toBytes() const
{
    QByteArray bytes;
    bytes.reserve(m_bytes.size() + 2 * qsizetype(lineCount()));
    bytes += QByteArrayView(m_bytes).first(m_prefix);
    const auto append = [&](const Line& line) {
        bytes += text(line);
        bytes += endBytes(line.end);
    };
    for (const Section& section : m_sections) {
        for (std::size_t i = section.begin; i < section.insertAt; ++i)
            append(m_lines[i]);
        for (const Line& line : section.added)
            append(line);
        for (std::size_t i = section.insertAt; i < section.end; ++i)
            append(m_lines[i]);
    }
    return bytes;
}

std::size_t ProfileDocument::lineCount() const
{
    std::size_t count = m_lines.size();
    for (const Section& section : m_sections)
        count += section.added.size();
    return count;
}

ProfileDocument::Line ProfileDocument::newLine(QByteArrayView text)
{
    const Line line{m_bytes.size(), text.size(), m_lineEnd};
    m_bytes += text;
    return line;
}

ProfileDocument::Line* ProfileDocument::lastLine()
{
    Section& last = m_sections.back();
    if (last.end > last.insertAt || (last.added.empty() && last.end > last.begin))
        return &m_lines[last.end - 1];
    return last.added.empty() ? nullptr : &last.added.back();
}

std::optional<std::size_t> ProfileDocument::findSection(QByteArrayView section) const
{
    const auto found = m_index.constFind(folded(section));
    return found == m_index.cend() ? std::nullopt : std::optional<std::size_t>(*found);
}

std::optional<ProfileDocument::KeyAt> ProfileDocument::findKey(const Section& section,
                                                               QByteArrayView key) const
{
    const QByteArray wanted = folded(key);
    const auto matches = [&](const Line& line) {
        const auto name = keyName(text(line));
        return name && name->size() == wanted.size() && folded(*name) == wanted;
    };
    for (std::size_t i = section.begin + 1; i < section.end; ++i) {
        if (matches(m_lines[i]))
            return KeyAt{false, i};
    }
    for (std::size_t i = 0; i < section.added.size(); ++i) {
        if (matches(section.added[i]))
            return KeyAt{true, i};
    }
    return std::nullopt;
}

void ProfileDocument::writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const QByteArray wanted = firstLine(value).toByteArray();
    const QByteArray stored = quotedIfNeeded(wanted);
    const auto found = findSection(section);
    if (!found) {
        if (Line* last = lastLine(); last && last->end == LineEnd::None)
            last->end = m_lineEnd;
        const QByteArray name = folded(section);
        if (!m_index.contains(name))
            m_index.insert(name, m_sections.size());
        m_sections.push_back(Section{m_lines.size(), m_lines.size() + 1, m_lines.size() + 1, true, {}});
        m_lines.push_back(newLine('[' + section.toByteArray() + ']'));
        m_sections.back().added.push_back(newLine(key.toByteArray() + '=' + stored));
        return;
    }
    Section& target = m_sections[*found];
    if (const auto at = findKey(target, key)) {
        const Line& line = lineAt(target, *at);
        if (unquoted(valueOf(text(line))) == wanted)
            return;
        Line replaced = newLine(keyName(text(line))->toByteArray() + '=' + stored);
        replaced.end = line.end;
        (at->added ? target.added[at->index] : m_lines[at->index]) = replaced;
        return;
    }
    Line& previous = target.added.empty() ? m_lines[target.insertAt - 1] : target.added.back();
    if (previous.end == LineEnd::None)
        previous.end = m_lineEnd;
    target.added.push_back(newLine(key.toByteArray() + '=' + stored));
}

void ProfileDocument::writeInt(QByteArrayView section, QByteArrayView key, std::int64_t value)
{
    writeString(section, key, QByteArray::number(value));
}

std::optional<QByteArray> ProfileDocument::value(QByteArrayView section, QByteArrayView key) const
{
    const auto found = findSection(section);
    if (!found)
        return std::nullopt;
    const Section& target = m_sections[*found];
    const auto line = findKey(target, key);
    if (!line)
        return std::nullopt;
    return unquoted(valueOf(text(lineAt(target, *line)))).toByteArray();
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
