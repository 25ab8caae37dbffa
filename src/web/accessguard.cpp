// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/accessguard.h"

#include <QCryptographicHash>
#include <QHttpServerRequest>
#include <QUrl>

namespace {

const QByteArray kCookieName = QByteArrayLiteral("p10sign_session");
const QByteArray kBearer = QByteArrayLiteral("Bearer ");

QByteArray sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// Compares every byte whatever the first difference, so that the time taken tells nothing.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

bool changesSomething(const QHttpServerRequest& request)
{
    using Method = QHttpServerRequest::Method;
    return request.method() != Method::Get && request.method() != Method::Head;
}

} // namespace

AccessGuard::AccessGuard(const QByteArray& secret, bool loopback, bool encrypted)
    : m_secretHash(secret.isEmpty() ? QByteArray() : sha256(secret))
    , m_loopback(loopback)
    , m_encrypted(encrypted)
{
    m_clock.start();
}

bool AccessGuard::namesThisServer(const QByteArray& host) const
{
    const QUrl url(QStringLiteral("http://") + QString::fromLatin1(host));
    if (host.isEmpty() || !url.isValid() || !url.userInfo().isEmpty() || !url.path().isEmpty())
        return false;
    if (!m_loopback)
        return true;
    const QString name = url.host();
    const bool loopbackName = name == QLatin1String("127.0.0.1") || name == QLatin1String("localhost") ||
                              name == QLatin1String("::1");
    return loopbackName && url.port(m_encrypted ? 443 : 80) == m_port;
}

AccessGuard::Verdict AccessGuard::check(const QHttpServerRequest& request, Need need)
{
    const QByteArray host = request.value(QByteArrayLiteral("Host"));
    if (!namesThisServer(host))
        return {Refusal::WrongHost};
    const QByteArray origin = request.value(QByteArrayLiteral("Origin"));
    const bool fromBrowser = !origin.isEmpty();
    if (need == Need::Page)
        return {};
    if (changesSomething(request)) {
        if (fromBrowser && origin != (m_encrypted ? "https://" : "http://") + host)
            return {Refusal::ForeignOrigin};
        if (!request.body().isEmpty() &&
            !request.value(QByteArrayLiteral("Content-Type")).startsWith("application/json"))
            return {Refusal::NotJson};
    }
    if (need == Need::SignIn)
        return {};

    const QByteArray authorization = request.value(QByteArrayLiteral("Authorization"));
    if (authorization.startsWith(kBearer))
        return checkSecret(request, authorization.mid(kBearer.size()));
    if (const auto csrf = m_sessions.csrf(sessionName(request), nowMs())) {
        if (need == Need::Change && !sameBytes(request.value(QByteArrayLiteral("X-CSRF-Token")), *csrf))
            return {Refusal::NoCsrfToken};
        return {};
    }
    if (secretNeeded())
        return {Refusal::SignInNeeded};
    // Without a secret only this computer reaches the service; its scripts need nothing, a page in
    // a browser needs the token of a session of this server's own page.
    if (need == Need::Change && fromBrowser)
        return {Refusal::NoCsrfToken};
    return {};
}

AccessGuard::Verdict AccessGuard::checkSecret(const QHttpServerRequest& request, const QByteArray& offered)
{
    if (!secretNeeded())
        return {};
    const QString address = request.remoteAddress().toString();
    if (const qint64 wait = m_throttle.waitMs(address, nowMs()); wait > 0)
        return {Refusal::Throttled, wait};
    if (!sameBytes(sha256(offered), m_secretHash)) {
        m_throttle.failed(address, nowMs());
        return {Refusal::WrongSecret};
    }
    m_throttle.succeeded(address);
    return {};
}

AccessGuard::Verdict AccessGuard::signIn(const QHttpServerRequest& request, const QByteArray& offered,
                                         Session& opened)
{
    const Verdict verdict = checkSecret(request, offered);
    if (verdict.refusal != Refusal::None)
        return verdict;
    const SessionStore::Opened session = m_sessions.open(nowMs());
    opened = {cookie(session.name, QByteArrayLiteral("; Path=/; HttpOnly; SameSite=Strict")), session.csrf};
    return {};
}

QByteArray AccessGuard::csrfOf(const QHttpServerRequest& request)
{
    return m_sessions.csrf(sessionName(request), nowMs()).value_or(QByteArray());
}

QByteArray AccessGuard::signOut(const QHttpServerRequest& request)
{
    m_sessions.close(sessionName(request));
    return cookie({}, QByteArrayLiteral("; Path=/; HttpOnly; SameSite=Strict; Max-Age=0"));
}

QByteArray AccessGuard::sessionName(const QHttpServerRequest& request) const
{
    for (const QByteArray& part : request.value(QByteArrayLiteral("Cookie")).split(';')) {
        const QByteArray pair = part.trimmed();
        if (pair.startsWith(kCookieName + '='))
            return pair.mid(kCookieName.size() + 1);
    }
    return {};
}

QByteArray AccessGuard::cookie(const QByteArray& value, const QByteArray& attributes) const
{
    return kCookieName + '=' + value + attributes +
           (m_encrypted ? QByteArrayLiteral("; Secure") : QByteArray());
}
