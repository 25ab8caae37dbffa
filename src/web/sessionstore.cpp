// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/sessionstore.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <algorithm>
#include <array>

SessionStore::Opened SessionStore::open(qint64 nowMs)
{
    m_sessions.removeIf([nowMs](const auto& entry) { return nowMs - entry.value().lastUsedMs > kIdleMs; });
    if (m_sessions.size() >= kMaxSessions) {
        const auto oldest =
            std::min_element(m_sessions.begin(), m_sessions.end(),
                             [](const Session& a, const Session& b) { return a.lastUsedMs < b.lastUsedMs; });
        m_sessions.erase(oldest);
    }
    Opened opened{randomName(), randomName()};
    m_sessions.insert(key(opened.name), {opened.csrf, nowMs});
    return opened;
}

std::optional<QByteArray> SessionStore::csrf(const QByteArray& name, qint64 nowMs)
{
    const auto session = m_sessions.find(key(name));
    if (session == m_sessions.end())
        return std::nullopt;
    if (nowMs - session->lastUsedMs > kIdleMs) {
        m_sessions.erase(session);
        return std::nullopt;
    }
    session->lastUsedMs = nowMs;
    return session->csrf;
}

void SessionStore::close(const QByteArray& name)
{
    m_sessions.remove(key(name));
}

QByteArray SessionStore::randomName()
{
    std::array<quint32, 8> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.data()), qsizetype(sizeof(words))).toHex();
}

QByteArray SessionStore::key(const QByteArray& name)
{
    return QCryptographicHash::hash(name, QCryptographicHash::Sha256);
}
