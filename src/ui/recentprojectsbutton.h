// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

class ProjectSession;
class QMenu;

// The arrow beside the load button: a menu of the recent projects, newest first. Without a
// session (or with nothing to offer yet) it is disabled.
class RecentProjectsButton : public QToolButton {
    Q_OBJECT

public:
    RecentProjectsButton(ProjectSession* session, QSize size, QWidget* parent);

private:
    void refresh();
    void showMenu();

    ProjectSession* m_session = nullptr;
    QMenu* m_menu = nullptr;
};
