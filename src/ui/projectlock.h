// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Marks the project this window has open, so that a second window on the same project can be
// warned. The lock sits in a folder of the user's, named after the project's full path, so nothing
// is written beside the project; a window that crashed leaves no lock that counts.
class ProjectLock {
public:
    ProjectLock();
    ~ProjectLock();

    // Holds this project instead of the one held before; false when another running window
    // holds it already.
    [[nodiscard]] bool hold(const QString& projectPath);

private:
    QString m_project;
    std::unique_ptr<QLockFile> m_lock;
};
