// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QIODevice;

// Replaces a group of files as one. Each new file is written in full beside its old one and
// flushed to the disk; then a marker is made, the moment of the commit; then each new file
// replaces its old one; then the marker goes. Whoever next reads or writes the group calls
// recover() first, which finishes a replacement that has its marker; without a marker the old
// files stand. So an interruption at any moment leaves either all the old files or all the new
// ones. Where the folder takes no new files, the existing files are overwritten in place instead:
// written, but without that promise. Every file the programs write goes through here, so that
// every write is checked, the system's reason of a failure is kept and the old file stands.
class FileCommit {
public:
    struct Target {
        QString path;
        // Writes the new file, false when a write failed. Each write reaches the file whole or
        // fails with the system's reason.
        std::function<bool(QIODevice&)> write;
    };
    static constexpr int kMarker = -1;
    static constexpr int kBusy = -2; // another program was replacing the group all the while

    struct Failure {
        QString path;         // the file that failed (the lock file for kBusy); empty when all went well
        QString reason;       // the system's; empty when the writer failed on its own
        int target = kMarker; // the index of the failed target, kMarker or kBusy

        [[nodiscard]] bool failed() const { return !path.isEmpty(); }
    };
    // Asked between every two steps whether to go on. Tests answer false to stop a commit there
    // as a kill would, and prove what is left.
    using StepHook = std::function<bool()>;

    [[nodiscard]] static Failure commit(const QString& markerPath, const std::vector<Target>& targets,
                                        const StepHook& goOn = {});
    // One file needs no marker: its one replacement is atomic by itself.
    [[nodiscard]] static Failure replace(const Target& target);
    // Also runs `read`, when given, while no commit of the group can start, so that what it reads
    // is one whole group, not the old half of one file pair and the new half of another.
    [[nodiscard]] static Failure recover(const QString& markerPath, const QStringList& targets,
                                         const std::function<void()>& read = {});

    // The lock file that GroupLock holds while a group is read or replaced.
    [[nodiscard]] static QString lockPath(const QString& markerPath);

    // A new file waits beside its target under the target's name with this ending.
    static inline const QString kPendingSuffix = QStringLiteral(".p10sign-new");
};
