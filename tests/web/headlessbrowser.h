// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonValue>
#include <QProcess>
#include <QTemporaryDir>
#include <QWebSocket>

// Debian's chromium without a window, driven over its DevTools protocol: one page that goes to an
// address and runs scripts in it, as a person's clicks would.
class HeadlessBrowser {
public:
    HeadlessBrowser();
    ~HeadlessBrowser();
    HeadlessBrowser(const HeadlessBrowser&) = delete;
    HeadlessBrowser& operator=(const HeadlessBrowser&) = delete;

    // The browser's program, or nothing where none is installed.
    [[nodiscard]] static QString program();
    // Empty when the browser runs with a page to drive, else why not.
    [[nodiscard]] QString start(const QStringList& acceptLanguages = {QStringLiteral("en")});
    [[nodiscard]] bool navigate(const QString& url);
    // The script's value (a promise's once it has settled); undefined when it threw or nothing came.
    [[nodiscard]] QJsonValue evaluate(const QString& expression);
    // Until the script gives true, or false after the bound.
    [[nodiscard]] bool waitFor(const QString& expression, int timeoutMs);

private:
    [[nodiscard]] QJsonObject call(const QString& method, const QJsonObject& parameters);

    QTemporaryDir m_profile;
    QProcess m_process;
    QWebSocket m_socket;
    int m_nextId = 1;
};
