// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/projectfile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class DisplayData;

// The pair of files of a saved project: the settings file and the display data file beside it.
// Reading reads and checks both before anyone applies them, and never creates or changes a file;
// writing replaces both atomically and keeps the foreign lines of an existing settings file.
namespace ProjectStorage {

enum class Error {
    None,
    SettingsUnreadable,
    DataMissing,
    DataWrongSize,
    DataUnreadable,
    DataUnwritable,
    SettingsUnwritable,
};

struct Stored {
    ProjectFile settings;
    QByteArray dispData; // exactly the size of the display data
};

struct ReadResult {
    std::optional<Stored> project;
    Error error = Error::None;
};

// The settings path with its last three characters replaced, whatever its extension.
[[nodiscard]] QString dataFilePath(const QString& settingsPath);
// The file's name without its folder and without its last four characters.
[[nodiscard]] QString fileLabel(const QString& settingsPath);

[[nodiscard]] ReadResult read(const QString& settingsPath);
// progress is told 1 .. 16 while the messages' display data are written, then 17.
[[nodiscard]] Error write(const QString& settingsPath, const ProjectFile& settings, const DisplayData& data,
                          const std::function<void(int)>& progress);

} // namespace ProjectStorage
