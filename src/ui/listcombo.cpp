// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/listcombo.h"

#include "model/editablelist.h"
#include "ui/windowlayout.h"

#include <QSignalBlocker>

ListCombo::ListCombo(const QString& name, int width, QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(16);
    setFixedSize(width, WindowLayout::kControlHeight);
}

void ListCombo::showList(const EditableList& list)
{
    display(list.items(), list.index(), list.text());
}

void ListCombo::showItems(const QStringList& items, const QString& text)
{
    display(items, static_cast<int>(items.indexOf(text)), text);
}

void ListCombo::showPopup()
{
    emit popupAboutToShow();
    QComboBox::showPopup();
}

QString ListCombo::entryText(const QString& text) const
{
    for (int i = 0; m_shown && i < count(); ++i) {
        if (itemText(i) == text)
            return m_entries.value(i, text);
    }
    return text;
}

QString ListCombo::shownText(const QString& entry) const
{
    return m_shown && m_entries.contains(entry) ? m_shown(entry) : entry;
}

void ListCombo::display(const QStringList& items, int index, const QString& text)
{
    const QSignalBlocker blocker(this);
    if (m_shown)
        m_entries = items;
    bool same = count() == items.size();
    for (int i = 0; same && i < count(); ++i)
        same = itemText(i) == shownText(items.at(i));
    if (!same) {
        clear();
        for (const QString& item : items)
            addItem(shownText(item));
    }
    if (currentIndex() != index)
        setCurrentIndex(index);
    if (const QString shown = shownText(text); currentText() != shown)
        setEditText(shown);
}
