// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <vector>

// A settings file held in memory, read and written with the rules of the Windows profile calls:
// names match regardless of case, the first of duplicated sections or keys counts, a new section
// goes to the end of the file and a new key to the end of its section, and every line that is not
// written keeps its bytes and its line end. Saving and loading use it; it never touches a file.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(QByteArrayView bytes);

    [[nodiscard]] QByteArray toBytes() const;

    // A line break in the value would split the key line, so the value ends before it.
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

    [[nodiscard]] std::size_t lineCount() const { return m_lines.size(); }

private:
    struct Line {
        QByteArray text;
        QByteArray end; // the line's own line end, empty for a last line without one
    };
    struct Range {
        std::size_t begin = 0; // the section line
        std::size_t end = 0;   // one past its last line
    };

    [[nodiscard]] std::optional<Range> findSection(QByteArrayView section) const;
    [[nodiscard]] std::optional<std::size_t> findKey(Range range, QByteArrayView key) const;
    void insertLine(std::size_t at, QByteArray text);

    std::vector<Line> m_lines;
};
