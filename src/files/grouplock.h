// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Keeps a group of files to this program while it reads, changes or replaces them: one lock file
// beside the group, which another program's hold makes it wait for. A thread that holds a group
// already takes it again at once, so a read-change-write keeps the group from its read to its
// write while the commit inside it locks as it always does. A lock whose holder is gone, or that
// names no holder (made by a program killed before it wrote its name), is stale and removed.
class GroupLock {
public:
    explicit GroupLock(QString lockPath);
    ~GroupLock();
    GroupLock(const GroupLock&) = delete;
    GroupLock& operator=(const GroupLock&) = delete;

    // Waits for another program's hold to end; false when it did not end in time or the lock
    // file cannot be made. Then problem() says why, for the operator.
    [[nodiscard]] bool take();
    [[nodiscard]] const QString& problem() const { return m_problem; }
    [[nodiscard]] const QString& path() const { return m_path; }

private:
    [[nodiscard]] bool removedNameless(QLockFile& lock) const;

    QString m_path;
    QString m_problem;
    bool m_held = false;
    std::unique_ptr<QLockFile> m_lock; // only in the outermost hold of this thread
};
