// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// What the window remembers between runs, kept with QSettings in the platform's usual place: the
// last folder of each kind of file, the most recent projects, newest first, and the port used last.
class RecentPlaces {
public:
    enum class Kind { Projects, Pictures };
    static constexpr int kRecentProjects = 8;

    explicit RecentPlaces(QSettings& store);

    [[nodiscard]] QString folder(Kind kind) const;
    void setFolder(Kind kind, const QString& folder);

    [[nodiscard]] QStringList projects() const;
    // The project moves to the front and its folder becomes the projects' folder.
    void addProject(const QString& path);
    void removeProject(const QString& path);

    [[nodiscard]] QString port() const;
    void setPort(const QString& port);

private:
    void setProjects(const QStringList& paths);

    QSettings& m_store;
};
