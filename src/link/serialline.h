// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The serial line to the control card, with exactly what the exchanges need. Its open state is
// the program's one busy flag: the line is open exactly while an exchange runs.
class SerialLine : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The device that the next open uses (a COM name's device, or a path such as /dev/ttyUSB0).
    virtual void setPortName(const QString& device) = 0;
    // Opens at 9600 baud, no parity, 8 data bits, 1 stop bit. False when missing or in use.
    [[nodiscard]] virtual bool open() = 0;
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // Whether written bytes go out now. A network line connects in the background after open()
    // and says ready() once it has; a port is ready as soon as it is open.
    [[nodiscard]] virtual bool isReady() const { return isOpen(); }
    virtual void setDtr(bool on) = 0;
    // Queues the bytes and returns at once; false when the line refused them.
    [[nodiscard]] virtual bool write(const QByteArray& bytes) = 0;
    // Bytes not yet sent, including what the operating system still holds for the line.
    [[nodiscard]] virtual qint64 bytesQueued() const = 0;
    // The system's words for the last failure, for the operator's detail; empty where there are none.
    [[nodiscard]] virtual QString errorString() const { return {}; }
    // What went wrong in the operator's words, where the line knows better than a port's usual
    // failure (a network connection refused, a server that speaks another protocol); empty otherwise.
    [[nodiscard]] virtual QString failure() const { return {}; }

signals:
    void openChanged(bool open);
    void ready();
    // Some queued bytes have left; a drain checks bytesQueued() again.
    void bytesSent();
    // The line broke (device gone, write error, connection lost or never made); the exchange stops.
    void failed(const QString& reason);
};
