// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/projectstorage.h"

#include <QByteArray>
#include <QString>
#include <functional>

class Controller;
class SettingsCommands;

// The served project's files. Before a request reads or changes the project, a look at the files
// finds another program's save (the window, p10signctl) and loads it; every change is saved with
// the two-file commit before it is answered, and the project's lock keeps other programs' saves
// out from that look to the save. The version is what both files hold, given as the entity tag, so
// a change made on an older version is found and refused.
class ProjectKeeper {
public:
    enum class Outcome {
        Saved,
        Stale,   // the version given is not the files' any more
        Busy,    // an exchange with the card sends what is loaded
        Refused, // the change was not made; nothing was saved
        Failed,  // the files could not be held, read or written; nothing was changed
    };

    ProjectKeeper(Controller& controller, SettingsCommands& settings, QString path);

    // Loads the project, or saves a new one as the window would start it. False when neither
    // could be done; the settings commands have told why.
    [[nodiscard]] bool open();
    [[nodiscard]] const QString& path() const { return m_path; }
    // The entity tag of the version loaded, quoted.
    [[nodiscard]] QByteArray etag() const;

    // Loads the files again when another program has saved them since they were last loaded or
    // saved here. Not while an exchange runs, which sends what is loaded.
    void refresh();
    // The files looked at and loaded again if changed, the version compared with `expected`
    // (an entity tag, or "*" for any), the change made (false: refused) and the project saved,
    // all under the project's lock. A change refused or not saved is taken back by loading the
    // files again.
    [[nodiscard]] Outcome change(const QByteArray& expected, const std::function<bool()>& apply);

private:
    // False when the files could not be read.
    [[nodiscard]] bool loadIfChanged();
    void reload();

    Controller& m_controller;
    SettingsCommands& m_settings;
    QString m_path;
};
