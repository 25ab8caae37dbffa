// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where a file that is about to be replaced really lives. A symbolic link is followed to its
// regular file, so that the link stays a link; anything else that is not a regular file (a device,
// a FIFO, a socket, a folder, a link to nothing) is refused, and so is a write-protected file,
// which a replacement by renaming would overwrite regardless. FileCommit asks it before it writes
// any file.
namespace WritableTarget {

struct Resolved {
    QString path;    // absolute, links followed; empty when refused
    QString problem; // why it is refused, for the operator
};

[[nodiscard]] Resolved resolve(const QString& path);

} // namespace WritableTarget
