// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web/attemptthrottle.h"
#include "web/sessionstore.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

class QHttpServerRequest;

// Who may use the service, and which requests come from where they claim to:
// - every request names this server (Host), so that a page of another site cannot reach a server on
//   the loopback through a name that it points there;
// - a request that changes something and comes from a browser (Origin) comes from this server's
//   own page, carries its session's token against cross-site requests and a JSON body;
// - with a secret, every request but the page itself comes with the secret (a script's bearer
//   token) or a session opened with it (the page's cookie). Wrong secrets are slowed down.
class AccessGuard {
public:
    enum class Need {
        Page,   // the page and its files
        SignIn, // opening a session
        Read,
        Change,
    };
    enum class Refusal {
        None,
        WrongHost,
        ForeignOrigin,
        NotJson,
        SignInNeeded,
        WrongSecret,
        Throttled,
        NoCsrfToken,
    };
    struct Verdict {
        Refusal refusal = Refusal::None;
        qint64 retryAfterMs = 0; // with Throttled
    };
    struct Session {
        QByteArray cookie; // the Set-Cookie header's value
        QByteArray csrf;
    };

    // An empty secret: the service listens on the loopback and asks nobody for one.
    AccessGuard(const QByteArray& secret, bool loopback, bool encrypted);

    void setPort(quint16 port) { m_port = port; }
    [[nodiscard]] bool secretNeeded() const { return !m_secretHash.isEmpty(); }

    [[nodiscard]] Verdict check(const QHttpServerRequest& request, Need need);
    // A new session for the secret offered, after check(request, Need::SignIn).
    [[nodiscard]] Verdict signIn(const QHttpServerRequest& request, const QByteArray& offered,
                                 Session& opened);
    // The session's token against cross-site requests, for the page that was reloaded.
    [[nodiscard]] QByteArray csrfOf(const QHttpServerRequest& request);
    // The Set-Cookie value that ends the request's session.
    [[nodiscard]] QByteArray signOut(const QHttpServerRequest& request);

private:
    [[nodiscard]] bool namesThisServer(const QByteArray& host) const;
    [[nodiscard]] Verdict checkSecret(const QHttpServerRequest& request, const QByteArray& offered);
    [[nodiscard]] QByteArray sessionName(const QHttpServerRequest& request) const;
    [[nodiscard]] QByteArray cookie(const QByteArray& value, const QByteArray& attributes) const;
    [[nodiscard]] qint64 nowMs() const { return m_clock.elapsed(); }

    QByteArray m_secretHash; // SHA-256 of the secret; empty without one
    bool m_loopback = true;
    bool m_encrypted = false;
    quint16 m_port = 0;
    SessionStore m_sessions;
    AttemptThrottle m_throttle;
    QElapsedTimer m_clock;
};
