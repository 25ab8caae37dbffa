// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// `p10signctl serve` as a person starts it, on a port the system chooses: the page's address is
// the first line it prints.
class ServeProcess {
public:
    explicit ServeProcess(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    ~ServeProcess();
    ServeProcess(const ServeProcess&) = delete;
    ServeProcess& operator=(const ServeProcess&) = delete;

    // arguments: the project and serve's options; without --listen it listens on 127.0.0.1:0.
    [[nodiscard]] bool start(const QString& project, const QStringList& options);
    [[nodiscard]] quint16 port() const { return m_port; }
    [[nodiscard]] QString url() const { return m_url; }
    [[nodiscard]] qint64 processId() const { return m_process.processId(); }
    // SIGTERM, as a service manager stops it; the exit status, or -1 when it did not end cleanly.
    [[nodiscard]] int stop();
    // Its log and what it refused, from a file: a pipe nobody reads would stop it once full.
    [[nodiscard]] QString errors() const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_url;
    quint16 m_port = 0;
};
