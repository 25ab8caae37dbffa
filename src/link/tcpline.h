// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/comportclient.h"
#include "link/portnames.h"
#include "link/serialline.h"

#include <QElapsedTimer>
#include <optional>

class QTcpSocket;
class QTimer;

// The line to a serial device server on the network: "tcp://HOST:PORT", whose server passes the
// bytes to its serial port as they are, or "rfc2217://HOST:PORT", whose server speaks telnet and
// takes the serial settings through the COM port option. A raw server says nothing when a client
// connects, so one that starts a telnet negotiation is refused before anything is sent: its
// stream would take the display data's 0xFF bytes for commands. The network's queues empty long
// before the server's 9600-baud line has sent the bytes, so written bytes count as queued until
// the line's time for them has passed as well. A connection that is refused, does not answer or
// drops fails the line.
class TcpLine : public SerialLine {
    Q_OBJECT

public:
    explicit TcpLine(QObject* parent = nullptr);

    void setPortName(const QString& address) override;
    // Starts connecting; the line is ready() once connected and, in telnet mode, agreed.
    [[nodiscard]] bool open() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_open; }
    [[nodiscard]] bool isReady() const override { return m_open && m_ready; }
    // The card listens without it.
    void setDtr(bool) override {}
    [[nodiscard]] bool write(const QByteArray& bytes) override;
    [[nodiscard]] qint64 bytesQueued() const override;
    [[nodiscard]] QString errorString() const override { return m_systemError; }
    [[nodiscard]] QString failure() const override { return m_failure; }

private:
    void connected();
    void readAvailable();
    void becomeReady();
    void fail(const QString& failure, const QString& systemError = {});
    [[nodiscard]] bool isTelnet() const;
    [[nodiscard]] qint64 socketQueue() const;
    [[nodiscard]] double nowMs() const;

    QTcpSocket* m_socket = nullptr;
    QTimer* m_setUp = nullptr; // the time the server has to answer or to show itself raw
    QString m_address;
    std::optional<PortNames::NetworkAddress> m_target;
    Telnet::Decoder m_telnetProbe; // of a raw server's stream
    std::optional<ComPortClient> m_comPort;
    QString m_failure;
    QString m_systemError;
    bool m_open = false;
    bool m_failed = false;
    bool m_ready = false;
    QElapsedTimer m_clock;
    double m_lineDueMs = 0; // when the far end's line has sent everything written so far
};
