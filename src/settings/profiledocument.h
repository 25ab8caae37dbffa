// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// A settings file held in memory, read and written with the rules of the Windows profile calls:
// names match regardless of case, the first of duplicated sections or keys counts, a new section
// goes to the end of the file and a new key to the end of its section, and every line that is not
// written keeps its bytes and its line end. Saving and loading use it; it never touches a file.
// Reading it and writing every key of a project takes time in proportion to its size.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(QByteArray bytes);

    [[nodiscard]] QByteArray toBytes() const;

    // A line break in the value would split the key line, so the value ends before it. A key
    // that already holds the value keeps its line as it is.
    void writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    void writeInt(QByteArrayView section, QByteArrayView key, std::int64_t value);

    // The value without surrounding blanks and one pair of matching quotes, or nothing when the
    // section or key is missing.
    [[nodiscard]] std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    [[nodiscard]] QByteArray readString(QByteArrayView section, QByteArrayView key, QByteArrayView fallback,
                                        int bufferSize) const;
    // The leading decimal number of the value; the fallback when the key is missing or empty.
    [[nodiscard]] std::int64_t readInt(QByteArrayView section, QByteArrayView key,
                                       std::int64_t fallback) const;

    [[nodiscard]] std::size_t lineCount() const;

private:
    enum class LineEnd : std::uint8_t { None, CrLf, Lf, Cr };
    // A line is a run of m_bytes, so a large file is not copied line by line.
    struct Line {
        qsizetype begin = 0;
        qsizetype size = 0;
        LineEnd end = LineEnd::None;
    };
    // A run of m_lines: a section line and the lines up to the next one, or the lines before the
    // first section. Keys written since reading follow its last line that is not blank.
    struct Section {
        std::size_t begin = 0;
        std::size_t end = 0;
        std::size_t insertAt = 0;
        bool hasHeader = false;
    };
    struct KeyAt {
        bool added = false;
        std::size_t index = 0;
    };

    [[nodiscard]] static QByteArrayView endBytes(LineEnd end);
    [[nodiscard]] QByteArrayView text(const Line& line) const
    {
        return QByteArrayView(m_bytes).sliced(line.begin, line.size);
    }
    [[nodiscard]] Line newLine(QByteArrayView text);
    [[nodiscard]] Line* lastLine();
    [[nodiscard]] std::optional<std::size_t> findSection(QByteArrayView section) const;
    [[nodiscard]] std::optional<KeyAt> findKey(std::size_t section, QByteArrayView key) const;
    [[nodiscard]] const std::vector<Line>& addedTo(std::size_t section) const;
    [[nodiscard]] Line& lineAt(std::size_t section, KeyAt at)
    {
        return at.added ? m_added[section][at.index] : m_lines[at.index];
    }
    void closeSection();

    // The file's bytes, followed by the text of every line written since.
    QByteArray m_bytes;
    // A byte order mark stays in front of the first line rather than hiding its section.
    qsizetype m_prefix = 0;
    // New lines end as the file's lines do, so that one file never mixes two forms.
    LineEnd m_lineEnd = LineEnd::CrLf;
    std::vector<Line> m_lines;
    std::vector<Section> m_sections{Section{}};
    // The lines written since reading, by section: only the few sections a save writes have any.
    std::map<std::size_t, std::vector<Line>> m_added;
    // A hash of each section's name, folded as names are compared, for a quick first look: a file
    // of millions of sections is read without building a table of them. Index 0 stands for the
    // lines before the first section, which have no name.
    std::vector<std::uint64_t> m_sectionHashes{0};
    // Each section looked for, by its folded name, and where it was found: a settings file is read
    // and written by a few dozen names, so each costs one look through the hashes.
    mutable QHash<QByteArray, std::optional<std::size_t>> m_found;
};
