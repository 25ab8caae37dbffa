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

void ListCombo::display(const QStringList& items, int index, const QString& text)
{
    const QSignalBlocker blocker(this);
    bool same = count() == items.size();
    for (int i = 0; same && i < count(); ++i)
        same = itemText(i) == items.at(i);
    if (!same) {
        clear();
        addItems(items);
    }
    if (currentIndex() != index)
        setCurrentIndex(index);
    if (currentText() != text)
        setEditText(text);
}
