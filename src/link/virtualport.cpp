// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/virtualport.h"

#include "link/portnames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

const QString kFolderName = QStringLiteral("p10sign-ports");
const QString kLockSuffix = QStringLiteral(".lock");

// Offers live in the session's runtime folder. Without a session (cron, a root shell) Qt would warn
// on standard error and make a folder in /tmp: there are no offers then, and a card's device path
// is given as it is.
[[nodiscard]] QString folder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return {};
#endif
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(kFolderName);
}

// A card lives for hours; its lock is stale only when its holder is gone, never by age.
[[nodiscard]] std::unique_ptr<QLockFile> lockFor(const QString& link)
{
    auto lock = std::make_unique<QLockFile>(link + kLockSuffix);
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

VirtualPort::VirtualPort(const QString& device)
{
    const QString dir = folder();
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return;
    const QString link = QDir(dir).filePath(QStringLiteral("card%1").arg(QCoreApplication::applicationPid()));
    m_lock = lockFor(link);
    if (!m_lock->tryLock())
        return;
    QFile::remove(link);
    if (QFile::link(device, link))
        m_link = link;
}

VirtualPort::~VirtualPort()
{
    if (!m_link.isEmpty())
        QFile::remove(m_link);
}

QStringList VirtualPort::offered()
{
    if (folder().isEmpty())
        return {};
    const QDir dir(folder());
    QStringList links;
    for (const QFileInfo& entry : dir.entryInfoList(QDir::System | QDir::Files)) {
        if (!entry.isSymLink())
            continue;
        const std::unique_ptr<QLockFile> lock = lockFor(entry.filePath());
        if (lock->tryLock()) {
            lock->unlock();
            QFile::remove(entry.filePath());
        } else if (lock->error() == QLockFile::LockFailedError) {
            links << entry.filePath();
        }
    }
    QStringList devices;
    for (const QString& link : PortNames::naturalOrder(links))
        devices << QFileInfo(link).symLinkTarget();
    return devices;
}
