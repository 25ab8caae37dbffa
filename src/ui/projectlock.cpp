// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/projectlock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// A folder of this user's own that the next start of the computer empties: the runtime folder
// where there is one (Linux, the BSDs); Windows and macOS give each user a temporary folder.
QString lockFolder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
#endif
    return QDir::tempPath();
}

QString lockPath(const QString& project)
{
    const QString folder = lockFolder();
    const QByteArray key =
        QCryptographicHash::hash(project.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir(folder).filePath(QStringLiteral("p10sign-%1.lock").arg(QString::fromLatin1(key)));
}

} // namespace

ProjectLock::ProjectLock() = default;

ProjectLock::~ProjectLock() = default;

bool ProjectLock::hold(const QString& projectPath)
{
    // One file reached by two paths (a link, "..") is still one project.
    const QFileInfo file(projectPath);
    const QString project = file.exists() ? file.canonicalFilePath() : file.absoluteFilePath();
    if (m_lock && project == m_project)
        return true;
    m_lock.reset();
    m_project = project;
    auto lock = std::make_unique<QLockFile>(lockPath(project));
    // Held for as long as the window has the project open; only a dead holder's lock is stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return lock->error() != QLockFile::LockFailedError;
    m_lock = std::move(lock);
    return true;
}
