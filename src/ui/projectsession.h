// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/projectlock.h"

#include <QObject>
#include <QStringList>

class Dialogs;
class RecentPlaces;
class SettingsCommands;

// The desktop's side of the open project: the recent projects and the lock that warns a second
// window on the same project. Opening from the command line or from the recent list loads as the
// load button does after its file dialog, with the same questions and refusals.
class ProjectSession : public QObject {
    Q_OBJECT

public:
    ProjectSession(SettingsCommands& settings, Dialogs& dialogs, RecentPlaces& places,
                   QObject* parent = nullptr);

    [[nodiscard]] QStringList recentProjects() const;
    void open(const QString& path);
    // A project that no longer exists leaves the list, and the operator is told so.
    void openRecent(const QString& path);

signals:
    void recentProjectsChanged();

private:
    void projectFileChanged(const QString& path);

    SettingsCommands& m_settings;
    Dialogs& m_dialogs;
    RecentPlaces& m_places;
    ProjectLock m_lock;
};
