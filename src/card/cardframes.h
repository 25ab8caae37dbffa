// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardmemory.h"

#include <QByteArrayView>
#include <QStringList>
#include <QTime>
#include <optional>

class Project;

// The frames of the two exchanges read as the card takes them: the exact inverse of the upload
// and clock-set frame builders. The decoder feeds them what arrives; the animated views feed
// them what an upload of the project would send.
namespace CardFrames {

// Takes a 95-byte header: the upload's part of the memory is replaced and its rows cleared, with
// room for as many rows as the row length allows. Answers the problems found in it.
[[nodiscard]] QStringList takeHeader(QByteArrayView header, CardMemory& memory);

// The 3-byte time frame, nothing when its digits are no time of day.
[[nodiscard]] std::optional<QTime> readTime(QByteArrayView frame);

// Takes the 6-byte schedule frame: countdown days and the work window.
void takeSchedule(QByteArrayView frame, CardMemory& memory);

// Rows the card can hold of a row length: 32 unless only the 16-row layout has room for it.
[[nodiscard]] int maxRows(int rowLength);

// What the card holds after an upload and a clock set of the project, from the same frames the
// exchanges send; the width is the project's own. The card's clock is left unset.
[[nodiscard]] CardMemory memoryOf(const Project& project);

} // namespace CardFrames
