// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The sender's side of the virtual card's tests: p10signctl's command line run in this process, a
// project made through it, and the card's memory compared with what the project holds.
namespace SenderTools {

struct Run {
    int status = -1;
    QString output;
    QString error;
    qint64 ms = 0; // from start to end
};

// A file's bytes; none when it cannot be read.
[[nodiscard]] QByteArray contentsOf(const QString& path);

// A run of p10signctl with these arguments (without the program's name). It ends with its last
// exchange, without the program's wait for the card's gap before it ends: a test sends to a card
// once, or to a card started again.
[[nodiscard]] Run ctl(const QStringList& arguments);

// A project of a sign heightDots high (16 or 32) whose message 0 is widthBytes columns of a pattern
// that holds every byte value, 0xFF among them; the path of its settings file. A card knows a
// 32-row upload is complete at its last byte, while after 16 rows it waits to see whether more follow.
[[nodiscard]] QString makeProject(const QString& folder, int widthBytes, int heightDots = 16);

// What the card's memory file (--json) holds of message 0 against the project's display data:
// empty when they are the same, byte for byte.
[[nodiscard]] QString memoryDifference(const QString& cardJson, const QString& project);

} // namespace SenderTools
