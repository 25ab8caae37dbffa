// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

class EditableList;

// A drop-down list with an edit field, as every list of the window is: the operator may type a
// value that is not in the list. It never adds typed values to the list and never completes them.
class ListCombo : public QComboBox {
    Q_OBJECT

public:
    ListCombo(const QString& name, int width, QWidget* parent);

    // Shows the model's entries, selection and text without announcing any change.
    void showList(const EditableList& list);
    void showItems(const QStringList& items, const QString& text);
    void showPopup() override;
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    // Entries are shown through `shown` (names in the operator's language); the model keeps them.
    void setShownText(QString (*shown)(const QString&)) { m_shown = shown; }
    // The entry that a shown or typed text stands for, or the text itself.
    [[nodiscard]] QString entryText(const QString& text) const;

signals:
    // Before the entries drop down: a list of things that come and go (ports) looks again.
    void popupAboutToShow();

private:
    void display(const QStringList& items, int index, const QString& text);
    void fitListToEntries(const QStringList& shown);
    [[nodiscard]] QString shownText(const QString& entry) const;

    QString (*m_shown)(const QString&) = nullptr;
    QStringList m_entries; // as the model has them, when they are shown otherwise
};
