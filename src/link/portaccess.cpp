// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/portaccess.h"

#include "texts/linktexts.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace PortAccess {

QString permissionProblem(const QString& device)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(device);
    if (::access(path.constData(), R_OK | W_OK) == 0 || errno != EACCES)
        return {};
    // Joining the device's group helps only where the group may read and write it.
    struct stat status {};
    constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
    if (::stat(path.constData(), &status) == 0 && status.st_gid != 0 &&
        (status.st_mode & kGroupReadWrite) == kGroupReadWrite) {
        if (const group* owner = ::getgrgid(status.st_gid))
            return LinkTexts::joinGroup().arg(QString::fromLocal8Bit(owner->gr_name));
    }
    return LinkTexts::noPermission();
#else
    Q_UNUSED(device)
    return {};
#endif
}

} // namespace PortAccess
