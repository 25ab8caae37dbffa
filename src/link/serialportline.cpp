// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serialportline.h"

#include "link/linkconstants.h"
#include "link/linklog.h"
#include "link/portnames.h"

#include <QSerialPort>
#include <algorithm>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_UNIX)
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace {

// Enough for the greeting and the whole header frame; display data rows are cut after this.
constexpr qsizetype kLoggedBytes = 96;

QByteArray shown(const QByteArray& bytes)
{
    const QByteArray hex = bytes.left(kLoggedBytes).toHex(' ');
    return bytes.size() > kLoggedBytes ? hex + " …" : hex;
}

} // namespace

SerialPortLine::SerialPortLine(QObject* parent)
    : SerialLine(parent)
    , m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::bytesWritten, this, [this] { emit bytesSent(); });
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // The card never sends, so a read that fails means the device went away, as a hang-up does.
        if (error == QSerialPort::ResourceError || error == QSerialPort::WriteError ||
            error == QSerialPort::ReadError) {
            qCDebug(lcLink) << m_port->portName() << "failed:" << m_port->errorString();
            emit failed(m_port->errorString());
        }
    });
    // The card sends nothing the program uses; whatever arrives is dropped so it cannot pile up.
    connect(m_port, &QSerialPort::readyRead, this, [this] {
        const QByteArray dropped = m_port->readAll();
        qCDebug(lcLink).noquote() << "read and dropped" << dropped.size() << "bytes:" << shown(dropped);
    });
}

void SerialPortLine::setPortName(const QString& device)
{
    m_port->setPortName(device);
    m_pseudoTerminal = PortNames::isPseudoTerminal(device);
}

bool SerialPortLine::open()
{
    m_port->setBaudRate(Link::kBaudRate);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    // Read as well as write, so that a vanished device is noticed while the exchange waits.
    if (!m_port->open(QIODevice::ReadWrite)) {
        qCDebug(lcLink) << "cannot open" << m_port->portName() << m_port->errorString();
        return false;
    }
    m_sinceWrite.invalidate();
    qCDebug(lcLink) << "opened" << m_port->portName() << "at" << Link::kBaudRate << "baud, 8N1";
    emit openChanged(true);
    return true;
}

void SerialPortLine::close()
{
    if (!m_port->isOpen())
        return;
    qCDebug(lcLink) << "closing" << m_port->portName() << "with" << bytesQueued() << "bytes still queued";
    m_port->close();
    emit openChanged(false);
}

bool SerialPortLine::isOpen() const
{
    return m_port->isOpen();
}

void SerialPortLine::setDtr(bool on)
{
    // Pseudo-terminals and some adapters have no DTR line; the card does not need it to listen.
    const bool set = m_port->setDataTerminalReady(on);
    qCDebug(lcLink) << "DTR" << (on ? "on" : "off") << (set ? "" : "(the device has no DTR line)");
}

bool SerialPortLine::write(const QByteArray& bytes)
{
    const qint64 written = m_port->write(bytes);
    m_sinceWrite.start();
    qCDebug(lcLink).noquote() << "wrote" << written << "of" << bytes.size() << "bytes:" << shown(bytes);
    return written == bytes.size();
}

qint64 SerialPortLine::bytesQueued() const
{
    const qint64 queued = m_port->bytesToWrite() + driverQueue();
    if (m_pseudoTerminal && m_sinceWrite.isValid() && m_sinceWrite.elapsed() < Link::kPseudoTerminalReaderMs)
        return std::max<qint64>(queued, 1);
    return queued;
}

QString SerialPortLine::errorString() const
{
    return m_port->error() == QSerialPort::NoError ? QString() : m_port->errorString();
}

qint64 SerialPortLine::driverQueue() const
{
    if (!m_port->isOpen())
        return 0;
#if defined(Q_OS_WIN)
    DWORD errors = 0;
    COMSTAT status{};
    if (ClearCommError(m_port->handle(), &errors, &status))
        return status.cbOutQue;
#elif defined(Q_OS_UNIX)
    int queued = 0;
    if (::ioctl(m_port->handle(), TIOCOUTQ, &queued) == 0)
        return queued;
#endif
    return 0;
}
