// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/projectsession.h"

#include "controller/settingscommands.h"
#include "dialogs/dialogs.h"
#include "texts/desktoptexts.h"
#include "texts/messagetexts.h"
#include "ui/recentplaces.h"

#include <QDir>
#include <QFileInfo>

ProjectSession::ProjectSession(SettingsCommands& settings, Dialogs& dialogs, RecentPlaces& places,
                               QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_dialogs(dialogs)
    , m_places(places)
{
    connect(&settings, &SettingsCommands::projectFileChanged, this, &ProjectSession::projectFileChanged);
}

QStringList ProjectSession::recentProjects() const
{
    return m_places.projects();
}

void ProjectSession::open(const QString& path)
{
    m_settings.loadChosen(path);
}

void ProjectSession::openRecent(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        m_places.removeProject(path);
        emit recentProjectsChanged();
        m_dialogs.tell(MessageTexts::warningTitle(), DesktopTexts::recentMissing(),
                       QDir::toNativeSeparators(path));
        return;
    }
    open(path);
}

void ProjectSession::projectFileChanged(const QString& path)
{
    m_places.addProject(path);
    emit recentProjectsChanged();
    if (!m_lock.hold(path))
        m_dialogs.tell(MessageTexts::warningTitle(), DesktopTexts::openElsewhere(),
                       QDir::toNativeSeparators(path));
}
