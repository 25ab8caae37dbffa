// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/listcombo.h"

#include "model/editablelist.h"
#include "ui/windowlayout.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

ListCombo::ListCombo(const QString& name, int width, QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(name);
    // Typed values are never completed. Given a field without a completer, the combo box would
    // make one bound to its entries; an empty one keeps it from that and is then taken off.
    // (setEditable() would also build the drop-down list at once rather than when it first opens.)
    auto* field = new QLineEdit(this);
    field->setPalette(palette());
    field->setCompleter(new QCompleter(field));
    setLineEdit(field);
    delete completer();
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    setFixedSize(width, WindowLayout::kControlHeight);
}

// The size is fixed: measuring every entry (256 positions in some lists) would only cost time.
QSize ListCombo::sizeHint() const
{
    return minimumSize();
}

QSize ListCombo::minimumSizeHint() const
{
    return minimumSize();
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

// The field keeps the window's fixed layout; the list that opens under it is as wide as its
// longest entry.
void ListCombo::fitListToEntries(const QStringList& shown)
{
    const QFontMetrics metrics = view()->fontMetrics();
    int widest = 0;
    for (const QString& entry : shown)
        widest = std::max(widest, metrics.horizontalAdvance(entry));
    const int around = 2 * view()->frameWidth() + view()->verticalScrollBar()->sizeHint().width() +
                       2 * metrics.averageCharWidth();
    view()->setMinimumWidth(std::max(width(), widest + around));
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
        QStringList shown;
        shown.reserve(items.size());
        for (const QString& item : items)
            shown << shownText(item);
        clear();
        addItems(shown);
        fitListToEntries(shown);
    }
    if (currentIndex() != index)
        setCurrentIndex(index);
    if (const QString shown = shownText(text); currentText() != shown)
        setEditText(shown);
}
