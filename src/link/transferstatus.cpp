// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transferstatus.h"

#include "link/linktime.h"
#include "link/linktimer.h"
#include "texts/linktexts.h"

#include <algorithm>

namespace {

constexpr int kTickMs = 1000;

[[nodiscard]] QString seconds(qint64 ms)
{
    return QString::number(static_cast<double>(ms) / 1000, 'f', 1);
}

} // namespace

TransferStatus::TransferStatus(LinkTime& time, QObject* parent)
    : QObject(parent)
    , m_time(time)
    , m_tick(time.newTimer(this))
{
    connect(m_tick, &LinkTimer::timeout, this, &TransferStatus::showTimeLeft);
}

void TransferStatus::uploadStarted(qint64 estimatedMs)
{
    m_upload = true;
    m_startMs = m_time.elapsedMs();
    m_estimatedMs = estimatedMs;
    showTimeLeft();
}

void TransferStatus::clockSetStarted()
{
    m_upload = false;
    m_startMs = m_time.elapsedMs();
    show(LinkTexts::clockSetRunning());
}

void TransferStatus::showEnded(const QString& failure)
{
    m_tick->stop();
    const QString took = seconds(m_time.elapsedMs() - m_startMs);
    if (failure.isEmpty())
        show((m_upload ? LinkTexts::uploadCompleted() : LinkTexts::clockSetCompleted()).arg(took));
    else
        show((m_upload ? LinkTexts::uploadFailed() : LinkTexts::clockSetFailed()).arg(failure, took));
}

void TransferStatus::showTimeLeft()
{
    const qint64 leftMs = std::max<qint64>(m_estimatedMs - (m_time.elapsedMs() - m_startMs), 0);
    show(LinkTexts::uploadTimeLeft().arg((leftMs + kTickMs - 1) / kTickMs));
    m_tick->start(kTickMs);
}

void TransferStatus::show(const QString& text)
{
    m_text = text;
    emit changed(text);
}
