// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/profiledocument.h"
#include "settings/projectfile.h"
#include "settings/projectstorage.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class Controller;
class Dialogs;
class GroupLock;

// Saving and loading the controller's project, for the front ends that own one of each. Loading
// reads and checks both files first and then sets every value through the controller's own
// handlers, so the rules an operator's change runs (width, show mode, marks, alternation chain,
// work time) run for a loaded file too.
class SettingsCommands : public QObject {
    Q_OBJECT

public:
    SettingsCommands(Controller& controller, Dialogs& dialogs, QObject* parent = nullptr);

    // True only when the project was written; false on a cancelled dialog or a failed write. A
    // name chosen without an extension gets ".ini". The dialog opens at the project's own file.
    bool save();
    // Over the files the project was loaded from or last saved to; a new project asks for a name.
    bool saveInPlace();
    bool saveTo(const QString& path);
    void load();
    bool loadFrom(const QString& path);
    // Asks whether to save the changes first. False when the operator cancels, or says Yes and
    // the save does not happen: whatever was about to replace the work must not go on.
    [[nodiscard]] bool offerToSave();
    // load() after its file dialog: unsaved changes are offered for saving first.
    bool loadChosen(const QString& path);
    // Keeps the project's files to this program until the hold goes, so that a load, a change and
    // a save are one step that no other program's save comes between. Nothing when another
    // program kept them all the while; the operator has been told.
    [[nodiscard]] std::unique_ptr<GroupLock> hold(const QString& path);
    // Asks before closing during a transfer and offers to save changes; false keeps the window
    // open. Work is never thrown away because a save was cancelled or failed.
    [[nodiscard]] bool confirmClose();
    // What both files held when the project was last loaded from them or saved to them here.
    [[nodiscard]] const ProjectStorage::Fingerprint& fingerprint() const { return m_fingerprint; }

    // A copy of the project's two files kept elsewhere (against a crash): written without asking
    // or telling and without making it the project's file. The system's reason when it failed.
    [[nodiscard]] QString writeCopy(const QString& path);
    // The work of a copy back in the window, as changes to `project` (the file the copy was made
    // from, which is loaded first), or to a new project when that is empty or gone.
    bool restoreCopy(const QString& copy, const QString& project);

signals:
    // How far a save or a load has come; a value of 0 shows it has ended.
    void progressChanged(int maximum, int value);
    // The project now belongs to this file: it was loaded from it or saved to it.
    void projectFileChanged(const QString& path);

private:
    // Without `expected`, the files are saved over whatever they hold.
    bool saveTo(const QString& path, const std::optional<ProjectStorage::Fingerprint>& expected);
    // Another program changed the files since they were loaded or saved here: save over them,
    // load theirs, or neither. True when the project was written.
    bool resolveChangedElsewhere(const QString& path);
    [[nodiscard]] ProjectStorage::WriteResult
    write(const QString& path, const ProjectFile& file,
          const std::optional<ProjectStorage::Fingerprint>& expected);
    void apply(const ProjectStorage::Stored& stored, const QString& path);
    void applyMessage(int m, const ProjectStorage::Stored& stored);
    void tellLosses(const ProjectFile::Losses& losses, const QString& path);
    void tellError(const ProjectStorage::Failure& failure);

    Controller& m_controller;
    Dialogs& m_dialogs;
    // The settings file last loaded or saved: values the project still holds as they were there
    // are written back with its bytes.
    FileOrigin m_origin;
    // That file and what both of its project's files held then, to see another program's save.
    QString m_path;
    ProjectStorage::Fingerprint m_fingerprint;
};
