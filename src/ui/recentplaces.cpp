// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recentplaces.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kRecentKey = QStringLiteral("recentProjects");
const QString kPortKey = QStringLiteral("port");

QString folderKey(RecentPlaces::Kind kind)
{
    return kind == RecentPlaces::Kind::Projects ? QStringLiteral("folders/projects")
                                                : QStringLiteral("folders/pictures");
}

QStringList without(QStringList paths, const QString& path)
{
    paths.removeAll(QFileInfo(path).absoluteFilePath());
    return paths;
}

} // namespace

RecentPlaces::RecentPlaces(QSettings& store)
    : m_store(store)
{
}

QString RecentPlaces::folder(Kind kind) const
{
    return m_store.value(folderKey(kind)).toString();
}

void RecentPlaces::setFolder(Kind kind, const QString& folder)
{
    m_store.setValue(folderKey(kind), folder);
}

QStringList RecentPlaces::projects() const
{
    return m_store.value(kRecentKey).toStringList();
}

void RecentPlaces::addProject(const QString& path)
{
    const QFileInfo file(path);
    QStringList paths = without(projects(), path);
    paths.prepend(file.absoluteFilePath());
    setProjects(paths.mid(0, kRecentProjects));
    setFolder(Kind::Projects, file.absolutePath());
}

void RecentPlaces::removeProject(const QString& path)
{
    setProjects(without(projects(), path));
}

void RecentPlaces::setProjects(const QStringList& paths)
{
    m_store.setValue(kRecentKey, paths);
}

QString RecentPlaces::port() const
{
    return m_store.value(kPortKey).toString();
}

void RecentPlaces::setPort(const QString& port)
{
    m_store.setValue(kPortKey, port);
}
