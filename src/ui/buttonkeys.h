// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <functional>

class QAbstractButton;
class QWidget;

// The keys of the window's buttons. A button keeps the Alt letter of its caption; a caption with
// no letter to underline (the Japanese ones) answers the same letter all the same, so both
// languages share their keys. The Ctrl and F keys are shortcuts of their own beside the letter,
// since a button's own shortcut would take the letter's place.
namespace ButtonKeys {

void give(QAbstractButton* button, Qt::Key letter, const QKeySequence& shortcut = {});

// A key that works while its owner shows in the active window, wherever the focus is.
void bind(QWidget* owner, const QKeySequence& key, std::function<void()> action);

// Keeps the window's keys out of its fields: the given shortcuts win over a field that would keep
// them for itself (Ctrl+Z), and an Alt letter that no button answers types nothing.
void guardFields(QWidget* window, const QList<QKeySequence>& windowKeys);

} // namespace ButtonKeys
