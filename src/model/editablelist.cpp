// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/editablelist.h"

#include <utility>

EditableList::EditableList(QStringList items, int index)
    : m_items(std::move(items))
{
    setIndex(index);
}

void EditableList::setItems(QStringList items)
{
    m_items = std::move(items);
    m_index = static_cast<int>(m_items.indexOf(m_text));
}

void EditableList::setText(const QString& text)
{
    m_text = text;
    m_index = static_cast<int>(m_items.indexOf(text));
}

void EditableList::setIndex(int index)
{
    if (index >= 0 && index < m_items.size()) {
        m_index = index;
        m_text = m_items.at(index);
    } else {
        m_index = -1;
        m_text.clear();
    }
}
