// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// Tests over pseudo-terminals are skipped, with the reason, where socat is not installed.
#define SKIP_WITHOUT_SOCAT()                                                                                 \
    do {                                                                                                     \
        if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())                               \
            QSKIP("socat is not installed; scripts/install-deps installs it");                               \
    } while (false)

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
