// SPDX-License-Identifier: GPL-3.0-or-later
#include "serveprocess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>

namespace {

// Generous bounds that only catch a hang.
constexpr int kStartMs = 20000;
constexpr int kStopMs = 20000;

} // namespace

ServeProcess::ServeProcess(const QProcessEnvironment& environment)
{
    m_process.setProcessEnvironment(environment);
    m_process.setStandardErrorFile(m_dir.filePath(QStringLiteral("errors")));
}

QString ServeProcess::errors() const
{
    QFile file(m_dir.filePath(QStringLiteral("errors")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

ServeProcess::~ServeProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool ServeProcess::start(const QString& project, const QStringList& options)
{
    QStringList arguments{QStringLiteral("serve"), project};
    arguments << options;
    if (!options.contains(QStringLiteral("--listen")))
        arguments << QStringLiteral("--listen") << QStringLiteral("127.0.0.1:0");
    m_process.start(QStringLiteral(P10SIGNCTL), arguments);
    const QDeadlineTimer deadline(kStartMs);
    while (!m_process.canReadLine() && m_process.state() != QProcess::NotRunning && !deadline.hasExpired())
        m_process.waitForReadyRead(100);
    const QString line = QString::fromUtf8(m_process.readLine());
    const auto found = QRegularExpression(QStringLiteral("(https?://\\S+:(\\d+)/)")).match(line);
    if (!found.hasMatch())
        return false;
    m_url = found.captured(1);
    m_port = quint16(found.captured(2).toUInt());
    return true;
}

int ServeProcess::stop()
{
    m_process.terminate();
    if (!m_process.waitForFinished(kStopMs) || m_process.exitStatus() != QProcess::NormalExit)
        return -1;
    return m_process.exitCode();
}
