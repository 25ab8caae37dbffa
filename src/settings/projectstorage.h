// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/filecommit.h"
#include "settings/profiledocument.h"
#include "settings/projectfile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <variant>

class DisplayData;

// The pair of files of a saved project: the settings file and the display data file beside it.
// Reading reads and checks both before anyone applies them, and changes no file except to finish
// a save that was interrupted. Writing replaces both as one (see FileCommit) and keeps the foreign
// lines of an existing settings file and the bytes of every value that did not change.
namespace ProjectStorage {

enum class Error {
    None,
    NamesUnpaired,
    Unfinished,
    SettingsMissing,
    SettingsUnreadable,
    SettingsTooLarge,
    SettingsForm,
    DataMissing,
    DataShort,
    DataUnreadable,
    DataUnwritable,
    SettingsUnwritable,
    ChangedElsewhere, // since they were last read or written here
};

struct Failure {
    Error error = Error::None;
    QString path;   // the file concerned
    QString reason; // the system's reason; for SettingsForm the form of the file
};

// What both files held, to see whether another program changed them since.
struct Fingerprint {
    qint64 settingsSize = -1;
    qint64 dataSize = -1;
    std::size_t settingsHash = 0;
    std::size_t dataHash = 0;

    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
};

struct Stored {
    ProfileDocument document; // the settings file as read
    ProjectFile settings;
    QByteArray dispData; // exactly the size of the display data
    Fingerprint fingerprint;
};

struct ReadResult {
    std::optional<Stored> project;
    Failure failure;
};

struct WriteResult {
    Failure failure;
    ProfileDocument written;    // the settings file as written
    ProjectFile::Losses losses; // the changed texts the code page could not hold
    Fingerprint fingerprint;    // of both files as written
};

// The settings path with its last three characters replaced, whatever its extension.
[[nodiscard]] QString dataFilePath(const QString& settingsPath);
// The file's name without its folder and without its last four characters.
[[nodiscard]] QString fileLabel(const QString& settingsPath);
// A name without an extension gets ".ini", as the file dialogs of Windows give it.
[[nodiscard]] QString withSettingsExtension(const QString& path);

// The lock file that holds the project while it is read or replaced (see GroupLock).
[[nodiscard]] QString lockPath(const QString& settingsPath);

[[nodiscard]] ReadResult read(const QString& settingsPath);
// What both files hold now, as read() would find them: a program that saw them before can tell
// whether another one has saved since.
[[nodiscard]] std::variant<Fingerprint, Failure> fingerprint(const QString& settingsPath);
// progress is told 1 .. 16 while the messages' display data are written, then 17. origin is the
// settings file last read or written, whose bytes the unchanged values keep. With `expected`, the
// files are replaced only while they hold what it describes (or the settings file is gone), else
// the write fails with ChangedElsewhere: the comparison and the replacement are one step.
[[nodiscard]] WriteResult write(const QString& settingsPath, const ProjectFile& settings,
                                const FileOrigin& origin, const DisplayData& data,
                                const std::function<void(int)>& progress,
                                const std::optional<Fingerprint>& expected = {},
                                const FileCommit::StepHook& goOn = {});

} // namespace ProjectStorage
