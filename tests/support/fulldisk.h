// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

// A small file system of its own (tmpfs) that fill() fills to its last byte, so that every write
// there fails as on a full disk, with the system's "No space left on device". Mounting needs root;
// reason() says why there is none.
class FullDisk {
public:
    FullDisk()
    {
#ifdef Q_OS_LINUX
        m_mounted = m_dir.isValid() &&
                    ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=4m") == 0;
#endif
    }
    ~FullDisk()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    [[nodiscard]] bool mounted() const
    {
        return m_mounted;
    }
    [[nodiscard]] static const char* reason()
    {
        return "mounting a small tmpfs needs root on Linux";
    }
    [[nodiscard]] QString path(const QString& name) const
    {
        return m_dir.filePath(name);
    }

    // What is there stays; nothing more fits.
    [[nodiscard]] bool fill() const
    {
        QFile filler(path(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) > 0) {}
        return filler.write("f", 1) <= 0;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
