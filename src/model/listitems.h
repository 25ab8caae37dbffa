// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The fixed entries of the window's lists, in the order whose positions the settings file stores.
namespace ListItems {

[[nodiscard]] const QStringList& screenWidths();   // "4" ... "64" in steps of 4
[[nodiscard]] const QStringList& screenHeights();  // "16", "32"
[[nodiscard]] const QStringList& brightnesses();   // "1" ... "4"
[[nodiscard]] const QStringList& initialPorts();   // "COM1" ... "COM8", before the port scan
[[nodiscard]] const QStringList& messageChoices(); // "None", "0" ... "15"
// "0" ... "99", "00" ... "99", "100" ... "255": 356 entries whose shown number and position
// differ from the 101st on.
[[nodiscard]] const QStringList& markPositions();
[[nodiscard]] const QStringList& fontSizes();
[[nodiscard]] const QStringList& showModes(int message); // message 0 adds "アニメーション"
[[nodiscard]] const QStringList& moveSpeeds();           // "1" ... "8"

// An entry as the operator reads it. Entries are what files, the card and typed text compare
// with, so they stay as they are; only a name with a translation is shown translated.
[[nodiscard]] QString shownText(const QString& item);

inline const QString kNone = QStringLiteral("None");

} // namespace ListItems
