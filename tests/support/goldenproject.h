// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// The project saved on Windows (tests/data/windows.ini and .bin) copied into a folder as NAME.ini
// and NAME.bin, over whatever was there, with the given permissions (the owner's by default, so
// that a test may save over it). The path of the settings file; empty when a copy failed.
inline QString copyGoldenProject(const QString& folder, const QString& name = QStringLiteral("shop"),
                                 QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner)
{
    for (const char* suffix : {"ini", "bin"}) {
        const QString target =
            QDir(folder).filePath(QStringLiteral("%1.%2").arg(name, QLatin1String(suffix)));
        QFile::remove(target);
        if (!QFile::copy(QStringLiteral(P10_TEST_DATA "/windows.%1").arg(QLatin1String(suffix)), target) ||
            !QFile::setPermissions(target, permissions))
            return {};
    }
    return QDir(folder).filePath(name + QStringLiteral(".ini"));
}
