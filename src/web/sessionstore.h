// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <optional>

// The page's sessions: a random name in an HttpOnly cookie, and beside it the token that each of
// the page's changing requests carries, which a page of another site cannot read. Sessions are
// found by a hash of their name, so that the time a look-up takes tells nothing of the names.
class SessionStore {
public:
    static constexpr qint64 kIdleMs = 12LL * 60 * 60 * 1000;
    static constexpr int kMaxSessions = 64;

    struct Opened {
        QByteArray name; // for the cookie
        QByteArray csrf;
    };

    [[nodiscard]] Opened open(qint64 nowMs);
    // The session's token against cross-site requests; nothing for a session unknown or expired.
    [[nodiscard]] std::optional<QByteArray> csrf(const QByteArray& name, qint64 nowMs);
    void close(const QByteArray& name);

    // A random name of 32 bytes in hexadecimal.
    [[nodiscard]] static QByteArray randomName();

private:
    struct Session {
        QByteArray csrf;
        qint64 lastUsedMs = 0;
    };
    [[nodiscard]] static QByteArray key(const QByteArray& name);

    QHash<QByteArray, Session> m_sessions;
};
