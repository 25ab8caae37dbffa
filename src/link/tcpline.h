// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/serialline.h"

#include <QElapsedTimer>

class QTcpSocket;
class QTimer;

// The line to a serial device server on the network ("tcp://HOST:PORT") that passes the bytes to
// its serial port as they are. The network's queues empty long before the server's 9600-baud line
// has sent the bytes, so written bytes count as queued until the line's time for them has passed
// as well. A connection that is refused, does not answer or drops fails the line.
class TcpLine : public SerialLine {
    Q_OBJECT

public:
    explicit TcpLine(QObject* parent = nullptr);

    void setPortName(const QString& address) override;
    // Starts connecting; the line is ready() once connected.
    [[nodiscard]] bool open() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_open; }
    [[nodiscard]] bool isReady() const override;
    // A raw byte server carries no modem lines.
    void setDtr(bool) override {}
    [[nodiscard]] bool write(const QByteArray& bytes) override;
    [[nodiscard]] qint64 bytesQueued() const override;
    [[nodiscard]] QString errorString() const override { return m_error; }

private:
    void fail(const QString& reason);
    [[nodiscard]] qint64 socketQueue() const;
    [[nodiscard]] double nowMs() const;

    QTcpSocket* m_socket = nullptr;
    QTimer* m_connectTimeout = nullptr;
    QString m_address;
    QString m_error;
    bool m_open = false;
    QElapsedTimer m_clock;
    double m_lineDueMs = 0; // when the far end's line has sent everything written so far
};
