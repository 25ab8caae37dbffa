// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recentprojectsbutton.h"

#include "texts/desktoptexts.h"
#include "ui/projectsession.h"

#include <QDir>
#include <QMenu>

RecentProjectsButton::RecentProjectsButton(ProjectSession* session, QSize size, QWidget* parent)
    : QToolButton(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("CmdRecent"));
    setFixedSize(size);
    setArrowType(Qt::DownArrow);
    setToolTip(DesktopTexts::recentProjects());
    setAccessibleName(DesktopTexts::recentProjects());
    // Shown by hand rather than as the button's own menu, which would add a second arrow.
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("MnuRecent"));
    m_menu->setAccessibleName(DesktopTexts::recentProjects());
    connect(this, &QToolButton::clicked, this, &RecentProjectsButton::showMenu);
    if (m_session)
        connect(m_session, &ProjectSession::recentProjectsChanged, this, &RecentProjectsButton::refresh);
    refresh();
}

void RecentProjectsButton::refresh()
{
    setEnabled(m_session && !m_session->recentProjects().isEmpty());
}

void RecentProjectsButton::showMenu()
{
    m_menu->clear();
    int number = 0;
    for (const QString& path : m_session->recentProjects()) {
        // "&1" … "&8" choose by keyboard; an ampersand in a path is doubled to show as itself.
        const QString shown = QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&"));
        QAction* action = m_menu->addAction(QStringLiteral("&%1  %2").arg(++number).arg(shown));
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] { m_session->openRecent(path); });
    }
    // Right-aligned under the arrow, so that long paths open into the window rather than past it.
    m_menu->popup(mapToGlobal(QPoint(width() - m_menu->sizeHint().width(), height())));
}
