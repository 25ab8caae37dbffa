// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/grouplock.h"

#include "texts/filetexts.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QThread>

namespace {

// Far longer than a save takes, short enough for a window that waits to stay bearable.
constexpr int kWaitMs = 3000;
constexpr int kRetryMs = 50;
// A holder writes its name into the lock file right after making it; one that has not done so
// after this long was stopped in between and never will.
constexpr qint64 kNamelessGraceMs = 1000;
const QString kRemovingSuffix = QStringLiteral(".rmlock");

// The groups this thread holds, with the number of holds of each.
thread_local QHash<QString, int> t_holds;

QString holderOf(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program))
        return {};
    return FileTexts::lockHolder(program, pid);
}

} // namespace

GroupLock::GroupLock(QString lockPath)
    : m_path(std::move(lockPath))
{
}

GroupLock::~GroupLock()
{
    if (!m_held)
        return;
    if (--t_holds[m_path] == 0)
        t_holds.remove(m_path);
}

bool GroupLock::take()
{
    if (m_held)
        return true;
    if (t_holds.value(m_path) > 0) {
        ++t_holds[m_path];
        m_held = true;
        return true;
    }
    auto lock = std::make_unique<QLockFile>(m_path);
    // Stale only when its holder is gone: a slow disk must not let a second save in.
    lock->setStaleLockTime(0);
    const QDeadlineTimer deadline(kWaitMs);
    while (!lock->tryLock(0)) {
        // Where the folder takes no new files there is no lock, and no new files to mix.
        if (lock->error() != QLockFile::LockFailedError)
            break;
        if (removedNameless(*lock))
            continue;
        if (deadline.hasExpired()) {
            m_problem = FileTexts::groupBusy(holderOf(*lock));
            return false;
        }
        QThread::msleep(kRetryMs);
    }
    if (lock->isLocked())
        m_lock = std::move(lock);
    ++t_holds[m_path];
    m_held = true;
    return true;
}

bool GroupLock::removedNameless(QLockFile& lock) const
{
    const auto nameless = [&] {
        const QFileInfo info(m_path);
        return info.exists() && holderOf(lock).isEmpty() &&
               info.lastModified().msecsTo(QDateTime::currentDateTime()) >= kNamelessGraceMs;
    };
    if (!nameless())
        return false;
    // Two waiters removing at once could remove the lock a third has just made in between.
    QLockFile removing(m_path + kRemovingSuffix);
    return removing.tryLock(0) && nameless() && lock.removeStaleLockFile();
}
