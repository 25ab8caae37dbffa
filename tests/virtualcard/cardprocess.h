// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// p10signcard --headless as a script runs it: the device or address to send to on its first line
// of output, then one line for every exchange.
class CardProcess {
public:
    explicit CardProcess(const QProcessEnvironment& environment);
    ~CardProcess();
    CardProcess(const CardProcess&) = delete;
    CardProcess& operator=(const CardProcess&) = delete;

    // options: where it listens (--pty, --port …, --listen …) and the rest.
    [[nodiscard]] bool start(const QStringList& options);
    [[nodiscard]] bool waitForLines(int count, int timeoutMs);
    // Until the program has ended by itself.
    [[nodiscard]] bool waitForEnd(int timeoutMs);
    [[nodiscard]] QString device() const { return m_lines.value(0); }
    [[nodiscard]] QString logLine(int i) const { return m_lines.value(i + 1); }
    [[nodiscard]] int logLines() const { return static_cast<int>(m_lines.size()) - 1; }
    [[nodiscard]] int exitCode() const { return m_process.exitCode(); }
    // What it told on standard error: files it could not write.
    [[nodiscard]] QString trouble() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    void read();

    QProcess m_process;
    QByteArray m_output;
    QStringList m_lines;
};
