// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

class QWidget;

// What each control of the window does and which values it takes, shown when the pointer rests on
// it. The controls are found by their names, as the screen reader's names are given.
class WindowToolTips {
    Q_DECLARE_TR_FUNCTIONS(WindowToolTips)

public:
    static void describe(QWidget& window);
    static void describePage(QWidget& page, int message);
};
