// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/serialline.h"

#include <QElapsedTimer>

class QSerialPort;

// The serial line on a real port (or a pseudo-terminal) at 9600 baud, 8N1, no flow control. Its
// queued count includes what the driver still holds, so that a drained line has really sent. A
// pseudo-terminal holds nothing it would tell of; its reader, such as a virtual card reading at the
// line's pace, is given a moment after each write to hold the writer back.
class SerialPortLine : public SerialLine {
    Q_OBJECT

public:
    explicit SerialPortLine(QObject* parent = nullptr);

    void setPortName(const QString& device) override;
    [[nodiscard]] bool open() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    void setDtr(bool on) override;
    [[nodiscard]] bool write(const QByteArray& bytes) override;
    [[nodiscard]] qint64 bytesQueued() const override;
    [[nodiscard]] QString errorString() const override;

private:
    [[nodiscard]] qint64 driverQueue() const;

    QSerialPort* m_port = nullptr;
    bool m_pseudoTerminal = false;
    QElapsedTimer m_sinceWrite;
};
