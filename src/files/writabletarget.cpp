// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/writabletarget.h"

#include "texts/filetexts.h"

#include <QFileInfo>

namespace {

WritableTarget::Resolved checked(const QFileInfo& info)
{
    if (!info.exists())
        return {info.absoluteFilePath(), {}};
    if (!info.isFile())
        return {{}, FileTexts::notRegularFile()};
    if (!info.isWritable())
        return {{}, FileTexts::writeProtected()};
    return {info.absoluteFilePath(), {}};
}

} // namespace

namespace WritableTarget {

Resolved resolve(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymbolicLink())
        return checked(info);
    // Empty for a link to nothing: creating a file through a planted link is refused too.
    const QString target = info.canonicalFilePath();
    if (target.isEmpty())
        return {{}, FileTexts::notRegularFile()};
    return checked(QFileInfo(target));
}

} // namespace WritableTarget
