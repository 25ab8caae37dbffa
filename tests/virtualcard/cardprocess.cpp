// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardprocess.h"

#include <QDeadlineTimer>

namespace {

constexpr int kStartMs = 10000;
constexpr int kReadWaitMs = 100;

} // namespace

CardProcess::CardProcess(const QProcessEnvironment& environment)
{
    m_process.setProcessEnvironment(environment);
}

CardProcess::~CardProcess()
{
    m_process.terminate();
    m_process.waitForFinished();
}

bool CardProcess::start(const QStringList& options)
{
    m_process.start(QStringLiteral(P10SIGNCARD), QStringList{QStringLiteral("--headless")} + options);
    return waitForLines(1, kStartMs);
}

bool CardProcess::waitForLines(int count, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (read();
         m_lines.size() < count && !deadline.hasExpired() && m_process.state() != QProcess::NotRunning;
         read())
        m_process.waitForReadyRead(kReadWaitMs);
    return m_lines.size() >= count;
}

bool CardProcess::waitForEnd(int timeoutMs)
{
    const bool ended = m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
    read();
    return ended;
}

void CardProcess::read()
{
    m_output += m_process.readAllStandardOutput();
    m_lines = QString::fromUtf8(m_output).split(u'\n', Qt::SkipEmptyParts);
}
