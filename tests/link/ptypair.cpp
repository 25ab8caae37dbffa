// SPDX-License-Identifier: GPL-3.0-or-later
#include "ptypair.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

namespace {

constexpr int kStartTimeoutMs = 5000;
constexpr int kPollMs = 10;

} // namespace

PtyPair::PtyPair() = default;

PtyPair::~PtyPair()
{
    kill();
}

bool PtyPair::start()
{
    const auto end = [this](const QString& link) {
        return QStringLiteral("pty,raw,echo=0,link=%1").arg(link);
    };
    m_socat.start(QStringLiteral("socat"),
                  {QStringLiteral("-d"), QStringLiteral("-d"), end(cardPath()), end(hostPath())});
    if (!m_socat.waitForStarted(kStartTimeoutMs))
        return false;
    // socat makes its links only once both terminals exist.
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired()) {
        if (QFileInfo::exists(cardPath()) && QFileInfo::exists(hostPath()))
            return true;
        QThread::msleep(kPollMs);
    }
    return false;
}

void PtyPair::kill()
{
    if (m_socat.state() == QProcess::NotRunning)
        return;
    m_socat.kill();
    m_socat.waitForFinished();
}
