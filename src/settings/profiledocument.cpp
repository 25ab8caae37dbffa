// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profiledocument.h"

#include "model/textnumbers.h"
#include "settings/codepage932.h"

#include <QString>
#include <algorithm>
#include <cstring>

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
// More than the sections and lines of a whole project.
constexpr std::size_t kRoomForAProject = 512;

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

// Names match regardless of the case of ASCII letters. Only ASCII letters fold: the second byte
// of a two-byte character must keep its case.
template <typename Visit> void forEachFolded(QByteArrayView name, Visit&& visit)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (CodePage932::isLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size()) {
            visit(name[i]);
            visit(name[++i]);
        } else {
            visit(asciiLower(name[i]));
        }
    }
}

// A quick first comparison of names, taken of every section while reading without a copy of its
// name.
std::uint64_t foldedHash(QByteArrayView name)
{
    constexpr std::uint64_t kOffset = 14695981039346656037ULL; // FNV-1a
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    std::uint64_t hash = kOffset;
    forEachFolded(name, [&](char c) { hash = (hash ^ static_cast<unsigned char>(c)) * kPrime; });
    return hash;
}

QByteArray folded(QByteArrayView name)
{
    QByteArray result;
    result.reserve(name.size());
    forEachFolded(name, [&](char c) { result += c; });
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
    // Counted first, so that a large file fills its tables without moving them, and a save that
    // adds a project's sections to it does not move them either.
    const auto sections = std::size_t(std::count(data, data + size, '[')) + kRoomForAProject;
    const auto lines = std::max(std::count(data, data + size, '\n'), std::count(data, data + size, '\r'));
    m_lines.reserve(std::size_t(lines) + kRoomForAProject);
    m_sections.reserve(sections);
    m_sectionHashes.reserve(sections);
    bool formKnown = false;
    // The next line feed and carriage return, each looked for again only once passed, so that a
    // file whose lines end in one of them alone is still read in one pass.
    const auto next = [&](char c, qsizetype from) {
        const auto* found = static_cast<const char*>(std::memchr(data + from, c, std::size_t(size - from)));
        return found ? found - data : size;
    };
    qsizetype lineFeed = -1;
    qsizetype cr = -1;
    for (qsizetype start = m_prefix; start < size;) {
        if (lineFeed < start)
            lineFeed = next('\n', start);
        if (cr < start)
            cr = next('\r', start);
        // Lines end in CR LF, LF or a lone CR.
        Line line{start, std::min(cr, lineFeed) - start, LineEnd::None};
        if (cr < lineFeed && (cr + 1 != lineFeed || lineFeed == size)) {
            line.end = LineEnd::Cr;
            start = cr + 1;
        } else {
            line.end = lineFeed == size ? LineEnd::None : cr + 1 == lineFeed ? LineEnd::CrLf : LineEnd::Lf;
            start = lineFeed + 1;
        }
        if (!formKnown && line.end != LineEnd::None) {
            m_lineEnd = line.end;
            formKnown = true;
        }
        if (const auto name = sectionName(text(line))) {
            closeSection();
            m_sectionHashes.push_back(foldedHash(*name));
            m_sections.push_back(Section{m_lines.size(), m_lines.size(), 0, true});
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
    auto added = m_added.cbegin();
    for (std::size_t s = 0; s < m_sections.size(); ++s) {
        const Section& section = m_sections[s];
        for (std::size_t i = section.begin; i < section.insertAt; ++i)
            append(m_lines[i]);
        if (added != m_added.cend() && added->first == s) {
            for (const Line& line : added->second)
                append(line);
            ++added;
        }
        for (std::size_t i = section.insertAt; i < section.end; ++i)
            append(m_lines[i]);
    }
    return bytes;
}

std::size_t ProfileDocument::lineCount() const
{
    std::size_t count = m_lines.size();
    for (const auto& [section, lines] : m_added)
        count += lines.size();
    return count;
}

const std::vector<ProfileDocument::Line>& ProfileDocument::addedTo(std::size_t section) const
{
    static const std::vector<Line> kNone;
    const auto found = m_added.find(section);
    return found == m_added.cend() ? kNone : found->second;
}

ProfileDocument::Line ProfileDocument::newLine(QByteArrayView text)
{
    const Line line{m_bytes.size(), text.size(), m_lineEnd};
    m_bytes += text;
    return line;
}

ProfileDocument::Line* ProfileDocument::lastLine()
{
    const Section& last = m_sections.back();
    const auto added = m_added.find(m_sections.size() - 1);
    const bool anyAdded = added != m_added.end() && !added->second.empty();
    if (last.end > last.insertAt || (!anyAdded && last.end > last.begin))
        return &m_lines[last.end - 1];
    return anyAdded ? &added->second.back() : nullptr;
}

std::optional<std::size_t> ProfileDocument::findSection(QByteArrayView section) const
{
    QByteArray name = folded(section);
    if (const auto known = m_found.constFind(name); known != m_found.cend())
        return *known;
    // The first of duplicated sections counts; another name of the same hash is passed over.
    std::optional<std::size_t> found;
    const std::uint64_t hash = foldedHash(section);
    for (auto at = std::find(m_sectionHashes.cbegin() + 1, m_sectionHashes.cend(), hash);
         at != m_sectionHashes.cend(); at = std::find(at + 1, m_sectionHashes.cend(), hash)) {
        const auto index = std::size_t(at - m_sectionHashes.cbegin());
        if (folded(*sectionName(text(m_lines[m_sections[index].begin]))) == name) {
            found = index;
            break;
        }
    }
    m_found.insert(std::move(name), found);
    return found;
}

std::optional<ProfileDocument::KeyAt> ProfileDocument::findKey(std::size_t index, QByteArrayView key) const
{
    const Section& section = m_sections[index];
    const std::vector<Line>& added = addedTo(index);
    const QByteArray wanted = folded(key);
    const auto matches = [&](const Line& line) {
        const auto name = keyName(text(line));
        return name && name->size() == wanted.size() && folded(*name) == wanted;
    };
    for (std::size_t i = section.begin + 1; i < section.end; ++i) {
        if (matches(m_lines[i]))
            return KeyAt{false, i};
    }
    for (std::size_t i = 0; i < added.size(); ++i) {
        if (matches(added[i]))
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
        m_found.insert(folded(section), m_sections.size());
        m_sectionHashes.push_back(foldedHash(section));
        m_sections.push_back(Section{m_lines.size(), m_lines.size() + 1, m_lines.size() + 1, true});
        m_lines.push_back(newLine('[' + section.toByteArray() + ']'));
        m_added[m_sections.size() - 1].push_back(newLine(key.toByteArray() + '=' + stored));
        return;
    }
    if (const auto at = findKey(*found, key)) {
        Line& line = lineAt(*found, *at);
        if (unquoted(valueOf(text(line))) == wanted)
            return;
        Line replaced = newLine(keyName(text(line))->toByteArray() + '=' + stored);
        replaced.end = line.end;
        line = replaced;
        return;
    }
    std::vector<Line>& added = m_added[*found];
    Line& previous = added.empty() ? m_lines[m_sections[*found].insertAt - 1] : added.back();
    if (previous.end == LineEnd::None)
        previous.end = m_lineEnd;
    added.push_back(newLine(key.toByteArray() + '=' + stored));
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
    const auto line = findKey(*found, key);
    if (!line)
        return std::nullopt;
    const Line& held = line->added ? addedTo(*found)[line->index] : m_lines[line->index];
    return unquoted(valueOf(text(held))).toByteArray();
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
