// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardmemory.h"

#include <QJsonObject>
#include <QString>
#include <optional>

// The card's memory as a JSON file: what the virtual card keeps between runs, as a card keeps it
// without power, and what it writes for scripts after each exchange. One format serves both, so
// that a script reads exactly what the card holds. Every value is checked when read back, since
// the player trusts the memory it is given.
namespace CardMemoryFile {

[[nodiscard]] QJsonObject toJson(const CardMemory& memory);
// Nothing when a value is missing or out of what the card can hold.
[[nodiscard]] std::optional<CardMemory> fromJson(const QJsonObject& json);

struct ReadResult {
    std::optional<CardMemory> memory;
    QString error; // the path and why it cannot be read
};

// A missing file reads as the memory of a card that never received anything. Anything but a
// regular file (or a link to one), and a file larger than any card's memory needs, is refused.
[[nodiscard]] ReadResult read(const QString& path);
// Replaces the file whole or not at all; nothing when written, else the path and why not.
[[nodiscard]] std::optional<QString> write(const QString& path, const CardMemory& memory);

} // namespace CardMemoryFile
