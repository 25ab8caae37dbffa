// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

class HelpWindow;

// The "?" in the window's corner: the help page (also F1) and the version and licence.
class HelpButton : public QToolButton {
    Q_OBJECT

public:
    HelpButton(QSize size, QWidget* parent);

    void showHelp();

private:
    HelpWindow* m_help = nullptr; // made when first asked for
};
