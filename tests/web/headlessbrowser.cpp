// SPDX-License-Identifier: GPL-3.0-or-later
#include "headlessbrowser.h"

#include "webclient.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

namespace {

// Generous bounds that only catch a hang.
constexpr int kStartMs = 30000;
constexpr int kCallMs = 30000;

} // namespace

HeadlessBrowser::HeadlessBrowser() = default;

HeadlessBrowser::~HeadlessBrowser()
{
    m_socket.close();
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(kStartMs))
            m_process.kill();
    }
}

QString HeadlessBrowser::program()
{
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

QString HeadlessBrowser::start(const QStringList& acceptLanguages)
{
    // The test runs as root in containers, where chromium's own sandbox cannot start, and a fresh
    // system may have no shared memory folder.
    m_process.start(program(),
                    {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                     QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
                     QStringLiteral("--disable-dev-shm-usage"), QStringLiteral("--remote-debugging-port=0"),
                     QStringLiteral("--accept-lang=") + acceptLanguages.join(u','),
                     QStringLiteral("--window-size=390,844"),
                     QStringLiteral("--user-data-dir=") + m_profile.path(), QStringLiteral("about:blank")});
    // "DevTools listening on ws://127.0.0.1:PORT/devtools/browser/…" on standard error.
    const QRegularExpression listening(QStringLiteral("DevTools listening on ws://127.0.0.1:(\\d+)/"));
    QByteArray told;
    QRegularExpressionMatch found;
    const QDeadlineTimer deadline(kStartMs);
    while (!(found = listening.match(QString::fromUtf8(told))).hasMatch() && !deadline.hasExpired() &&
           m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(100);
        told += m_process.readAllStandardError();
    }
    if (!found.hasMatch())
        return QStringLiteral("chromium did not start its DevTools: ") + QString::fromUtf8(told);

    const WebClient devTools(quint16(found.captured(1).toUInt()));
    const QJsonArray targets = QJsonDocument::fromJson(devTools.send("GET", "/json/list").body).array();
    for (const QJsonValue& target : targets) {
        if (target[QStringLiteral("type")] != QLatin1String("page"))
            continue;
        m_socket.open(QUrl(target[QStringLiteral("webSocketDebuggerUrl")].toString()));
        QSignalSpy connected(&m_socket, &QWebSocket::connected);
        if (connected.wait(kStartMs))
            return {};
        return QStringLiteral("the page's DevTools did not answer: ") + m_socket.errorString();
    }
    return QStringLiteral("chromium shows no page");
}

QJsonObject HeadlessBrowser::call(const QString& method, const QJsonObject& parameters)
{
    const int id = m_nextId++;
    QJsonObject answer;
    const QMetaObject::Connection reading =
        QObject::connect(&m_socket, &QWebSocket::textMessageReceived, &m_socket, [&](const QString& text) {
            const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
            if (message[QStringLiteral("id")].toInt() == id)
                answer = message;
        });
    m_socket.sendTextMessage(
        QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("id"), id},
                                                    {QStringLiteral("method"), method},
                                                    {QStringLiteral("params"), parameters}})
                              .toJson(QJsonDocument::Compact)));
    // An answer that never comes leaves it empty, which the caller reads as a failure.
    const bool answered = QTest::qWaitFor([&] { return !answer.isEmpty(); }, kCallMs);
    QObject::disconnect(reading);
    return answered ? answer : QJsonObject();
}

bool HeadlessBrowser::navigate(const QString& url)
{
    return call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}})
        .contains(QStringLiteral("result"));
}

QJsonValue HeadlessBrowser::evaluate(const QString& expression)
{
    const QJsonObject answer =
        call(QStringLiteral("Runtime.evaluate"), {{QStringLiteral("expression"), expression},
                                                  {QStringLiteral("awaitPromise"), true},
                                                  {QStringLiteral("returnByValue"), true}});
    const QJsonObject result = answer[QStringLiteral("result")].toObject();
    if (result.contains(QStringLiteral("exceptionDetails")))
        return QJsonValue(QJsonValue::Undefined);
    return result[QStringLiteral("result")].toObject()[QStringLiteral("value")];
}

bool HeadlessBrowser::waitFor(const QString& expression, int timeoutMs)
{
    return QTest::qWaitFor([&] { return evaluate(expression).toBool(); }, timeoutMs);
}
