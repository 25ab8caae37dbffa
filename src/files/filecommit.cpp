// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filecommit.h"

#include "files/grouplock.h"
#include "files/wholewriter.h"
#include "files/writabletarget.h"
#include "texts/filetexts.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

struct Pending {
    QString temporary;
    QString target; // links followed
};

using Failure = FileCommit::Failure;

const QString kLockSuffix = QStringLiteral(".lock");

// One program at a time replaces a group: two saves of one project at once would replace each
// other's new files, and one's settings could end up beside the other's data. A save waits for
// the other to end.
Failure lockGroup(GroupLock& lock)
{
    if (lock.take())
        return {};
    return {lock.path(), lock.problem(), FileCommit::kBusy};
}

Failure resolveAll(const QStringList& paths, std::vector<Pending>& pending)
{
    for (int i = 0; i < paths.size(); ++i) {
        const WritableTarget::Resolved resolved = WritableTarget::resolve(paths[i]);
        if (resolved.path.isEmpty())
            return {paths[i], resolved.problem, i};
        pending.push_back({resolved.path + FileCommit::kPendingSuffix, resolved.path});
    }
    return {};
}

// For a person who finds the marker; the program needs only to know that it exists.
QByteArray markerText(const std::vector<Pending>& pending)
{
    QByteArray text = "p10sign is replacing these files; its next load or save finishes the replacement.\n";
    for (const Pending& file : pending)
        text += file.temporary.toUtf8() + " -> " + file.target.toUtf8() + '\n';
    return text;
}

// On the disk, not only in the system's cache, before the marker exists: a power cut must not
// leave a marker beside new files that never reached the disk. Journaling file systems keep the
// order of creating, renaming and removing files, so the folder itself is not synced. The system's
// reason when it fails, else empty.
QString synced(QFile& file)
{
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return qt_error_string(errno);
#else
    if (!file.flush())
        return file.errorString();
#endif
    return {};
}

// Replaces the target in one step; QFile::rename refuses an existing target.
QString moveOver(const QString& temporary, const QString& target)
{
    std::error_code error;
    std::filesystem::rename(QFile(temporary).filesystemFileName(), QFile(target).filesystemFileName(), error);
    return error ? QString::fromStdString(error.message()) : QString();
}

void discard(const std::vector<Pending>& pending)
{
    for (const Pending& file : pending)
        QFile::remove(file.temporary);
}

// A folder that refuses new files; its files may still be writable.
bool takesNoNewFiles(const QString& path)
{
    return !QFileInfo(QFileInfo(path).absolutePath()).isWritable();
}

bool allExist(const std::vector<Pending>& pending)
{
    for (const Pending& file : pending) {
        if (!QFileInfo::exists(file.target))
            return false;
    }
    return true;
}

// The file is open unbuffered, so that no write waits in a buffer where its failure goes unseen.
Failure writeOne(QFile& file, const FileCommit::Target& target, int index)
{
    WholeWriter writer(file);
    if (!target.write(writer))
        return {target.path, writer.failure(), index};
    if (const QString reason = synced(file); !reason.isEmpty())
        return {target.path, reason, index};
    return {};
}

// Without a place for new files the old ones are overwritten from their first byte and then cut
// to the new length; nothing is truncated before it is written.
Failure overwriteInPlace(const std::vector<Pending>& pending, const std::vector<FileCommit::Target>& targets)
{
    for (std::size_t i = 0; i < pending.size(); ++i) {
        QFile file(pending[i].target);
        if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
            return {targets[i].path, file.errorString(), int(i)};
        if (Failure failure = writeOne(file, targets[i], int(i)); failure.failed())
            return failure;
        if (!file.resize(file.pos()))
            return {targets[i].path, file.errorString(), int(i)};
        if (const QString reason = synced(file); !reason.isEmpty())
            return {targets[i].path, reason, int(i)};
    }
    return {};
}

// The moment of the commit: once the marker exists, every new file is whole and the next load or
// save finishes the replacement, whatever the marker holds by then.
Failure writeMarker(const QString& markerPath, const std::vector<Pending>& pending)
{
    QFile marker(markerPath);
    if (!marker.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {markerPath, marker.errorString(), FileCommit::kMarker};
    marker.write(markerText(pending));
    return {};
}

bool markerExists(const QString& markerPath)
{
    const QFileInfo info(markerPath);
    return info.exists() || info.isSymbolicLink();
}

// Finishes a replacement whose marker exists; without one the old files stand.
Failure finishMarked(const QString& markerPath, const QStringList& targets)
{
    if (!markerExists(markerPath))
        return {};
    if (!QFileInfo(markerPath).isFile())
        return {markerPath, FileTexts::notRegularFile(), FileCommit::kMarker};
    std::vector<Pending> pending;
    if (Failure failure = resolveAll(targets, pending); failure.failed())
        return failure;
    // Every new file was whole before the marker was made; those not yet moved go now.
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (!QFileInfo::exists(pending[i].temporary))
            continue;
        if (const QString reason = moveOver(pending[i].temporary, pending[i].target); !reason.isEmpty())
            return {targets[int(i)], reason, int(i)};
    }
    QFile marker(markerPath);
    if (!marker.remove())
        return {markerPath, marker.errorString(), FileCommit::kMarker};
    return {};
}

} // namespace

FileCommit::Failure FileCommit::commit(const QString& markerPath, const std::vector<Target>& targets,
                                       const StepHook& goOn)
{
    QStringList paths;
    for (const Target& target : targets)
        paths << target.path;
    const bool marked = !markerPath.isEmpty();
    std::optional<GroupLock> lock;
    if (marked) {
        if (Failure failure = lockGroup(lock.emplace(lockPath(markerPath))); failure.failed())
            return failure;
        if (Failure failure = finishMarked(markerPath, paths); failure.failed())
            return failure;
    }
    std::vector<Pending> pending;
    if (Failure failure = resolveAll(paths, pending); failure.failed())
        return failure;
    // Left as a kill would leave it, for the next load or save to find.
    const Failure stopped{markerPath, QStringLiteral("stopped between two steps"), kMarker};
    const auto stop = [&goOn] { return goOn && !goOn(); };
    const auto failedBeforeReplacing = [&](const QString& created, const Failure& failure) {
        discard(pending);
        if (takesNoNewFiles(created) && allExist(pending))
            return overwriteInPlace(pending, targets);
        return failure;
    };

    for (std::size_t i = 0; i < pending.size(); ++i) {
        // A file left by a save that never wrote its marker holds nothing anybody needs.
        QFile::remove(pending[i].temporary);
        QFile file(pending[i].temporary);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return failedBeforeReplacing(pending[i].temporary, {targets[i].path, file.errorString(), int(i)});
        if (QFileInfo::exists(pending[i].target))
            file.setPermissions(QFileInfo(pending[i].target).permissions());
        if (stop())
            return stopped;
        if (Failure failure = writeOne(file, targets[i], int(i)); failure.failed()) {
            file.close();
            discard(pending);
            return failure;
        }
        file.close();
        if (stop())
            return stopped;
    }
    if (marked) {
        if (Failure failure = writeMarker(markerPath, pending); failure.failed())
            return failedBeforeReplacing(markerPath, failure);
        if (stop())
            return stopped;
    }
    for (std::size_t i = 0; i < pending.size(); ++i) {
        // A failure here leaves the marker, so the next load or save tries to finish again.
        if (const QString reason = moveOver(pending[i].temporary, pending[i].target); !reason.isEmpty())
            return {targets[i].path, reason, int(i)};
        if (stop())
            return stopped;
    }
    if (marked)
        QFile::remove(markerPath);
    return {};
}

QString FileCommit::lockPath(const QString& markerPath)
{
    return markerPath + kLockSuffix;
}

FileCommit::Failure FileCommit::replace(const Target& target)
{
    return commit({}, {target});
}

FileCommit::Failure FileCommit::recover(const QString& markerPath, const QStringList& targets,
                                        const std::function<void()>& read)
{
    std::optional<GroupLock> lock;
    if (read || markerExists(markerPath)) {
        if (Failure failure = lockGroup(lock.emplace(lockPath(markerPath))); failure.failed())
            return failure;
    }
    if (Failure failure = finishMarked(markerPath, targets); failure.failed())
        return failure;
    if (read)
        read();
    return {};
}
