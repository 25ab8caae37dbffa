// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The sender's side of the virtual card's tests: p10signctl run as a script runs it, a project
// made through it, and the card's memory compared with what the project holds.
namespace SenderTools {

struct Run {
    int status = -1;
    QString output;
    QString error;
    qint64 ms = 0; // from start to end
};

// A file's bytes; none when it cannot be read.
[[nodiscard]] QByteArray contentsOf(const QString& path);

[[nodiscard]] Run ctl(const QProcessEnvironment& environment, const QStringList& arguments);

// A 16-row project whose message 0 is widthBytes columns of a pattern that holds every byte value,
// 0xFF among them; the path of its settings file.
[[nodiscard]] QString makeProject(const QProcessEnvironment& environment, const QString& folder,
                                  int widthBytes);

// What the card's memory file (--json) holds of message 0 against the project's display data:
// empty when they are the same, byte for byte.
[[nodiscard]] QString memoryDifference(const QString& cardJson, const QString& project);

} // namespace SenderTools
