// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

class Dialogs;
class Project;
class ProjectHistory;
class SettingsCommands;

// Unsaved changes kept in the user's data folder, never beside the project, so that a crash loses
// none of them: a copy is written within two seconds of a change and removed once the project is
// saved or back as saved, or the program ends as it should. Each running window keeps its copy in
// a folder of its own that it holds locked; a copy whose folder nobody holds was left by a program
// that was killed, and the next start offers it back.
class CrashRecovery : public QObject {
    Q_OBJECT

public:
    CrashRecovery(Project& project, ProjectHistory& history, SettingsCommands& settings, Dialogs& dialogs,
                  QObject* parent = nullptr);
    ~CrashRecovery() override;

    // Asks about each copy left behind: Yes restores it (one at most), No removes it.
    void offerLeftCopies();

    // The folder of all copies.
    [[nodiscard]] static QString folder();

private:
    void changed();
    void write();
    void discard();
    void offer(const QString& slot);
    [[nodiscard]] QString copyPath() const;

    Project& m_project;
    SettingsCommands& m_settings;
    Dialogs& m_dialogs;
    // The project's own file, to name it and to load it back under the copy.
    QString m_projectPath;
    QString m_slot;
    QLockFile m_lock;
    QTimer m_delay;
    bool m_restored = false;
};
