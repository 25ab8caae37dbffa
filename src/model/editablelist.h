// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A drop-down list whose text the operator may also type. Saving stores the entry index and the
// upload reads the text, so both are kept: the index is -1 while the text names no entry.
class EditableList {
public:
    EditableList() = default;
    EditableList(QStringList items, int index);

    [[nodiscard]] const QStringList& items() const { return m_items; }
    [[nodiscard]] const QString& text() const { return m_text; }
    [[nodiscard]] int index() const { return m_index; }

    // Replaces the entries (fonts, ports) and keeps the text, which may now name another entry.
    void setItems(QStringList items);
    // A typed text selects the first entry that it equals, if any.
    void setText(const QString& text);
    // An index outside the list selects nothing and empties the text.
    void setIndex(int index);

    friend bool operator==(const EditableList&, const EditableList&) = default;

private:
    QStringList m_items;
    QString m_text;
    int m_index = -1;
};
