// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/serialline.h"

class SerialPortLine;
class TcpLine;

// The line behind whatever port the operator chose or typed: a serial port (or pseudo-terminal),
// or a serial device server on the network for "tcp://HOST:PORT". The front ends give the
// controller this one line.
class PortLine : public SerialLine {
    Q_OBJECT

public:
    explicit PortLine(QObject* parent = nullptr);

    void setPortName(const QString& device) override;
    [[nodiscard]] bool open() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    [[nodiscard]] bool isReady() const override;
    void setDtr(bool on) override;
    [[nodiscard]] bool write(const QByteArray& bytes) override;
    [[nodiscard]] qint64 bytesQueued() const override;
    [[nodiscard]] QString errorString() const override;
    [[nodiscard]] QString failure() const override;

private:
    void forward(SerialLine* line);

    SerialPortLine* m_serial = nullptr;
    TcpLine* m_network = nullptr;
    SerialLine* m_active = nullptr;
};
