// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/helpbutton.h"

#include "ui/helpwindow.h"

#include <QMenu>

HelpButton::HelpButton(QSize size, QWidget* parent)
    : QToolButton(parent)
{
    setObjectName(QStringLiteral("CmdHelp"));
    setFixedSize(size);
    setText(QStringLiteral("?"));
    setToolTip(tr("ヘルプとバージョン情報"));
    setAccessibleName(tr("ヘルプ"));
    setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("MnuHelp"));
    QAction* help = menu->addAction(tr("ヘルプ"), this, &HelpButton::showHelp);
    help->setShortcut(QKeySequence::HelpContents);
    menu->addAction(tr("p10sign について"), this, [this] { HelpWindow::showAbout(window()); });
    setMenu(menu);
    // The key works wherever the focus is in the window, as the menu shows it.
    parent->addAction(help);
}

void HelpButton::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(window());
    m_help->showGuide();
}
