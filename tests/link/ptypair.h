// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/requiretool.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#define SKIP_WITHOUT_SOCAT() SKIP_WITHOUT_TOOL(QStringLiteral("socat"))

// Two pseudo-terminals joined by socat: the program opens "host", the card's reader "card".
// Killing it makes the host side vanish as an unplugged adapter does.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();

    [[nodiscard]] bool start();
    void kill();

    [[nodiscard]] QString hostPath() const { return m_dir.filePath(QStringLiteral("host")); }
    [[nodiscard]] QString cardPath() const { return m_dir.filePath(QStringLiteral("card")); }
    [[nodiscard]] QString missingPath() const { return m_dir.filePath(QStringLiteral("nothing")); }

private:
    QTemporaryDir m_dir;
    QProcess m_socat;
};
