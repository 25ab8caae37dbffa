#include "link/serialportline.h"

#include "link/linkconstants.h"

#include <QSerialPort>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_UNIX)
#include <sys/ioctl.h>
#include <termios.h>
#endif

SerialPortLine::SerialPortLine(QObject* parent)
    : SerialLine(parent)
    , m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::bytesWritten, this, [this] { emit bytesSent(); });
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // The card never sends, so a read that fails means the device went away, as a hang-up does.
        if (error == QSerialPort::ResourceError || error == QSerialPort::WriteError ||
            error == QSerialPort::ReadError)
            emit failed(m_port->errorString());
    });
    // The card sends nothing the program uses; whatever arrives is dropped so it cannot pile up.
    connect(m_port, &QSerialPort::readyRead, this, [this] { m_port->readAll(); });
}

void SerialPortLine::setPortName(const QString& device)
{
    m_port->setPortName(device);
}

bool SerialPortLine::open()
{
    m_port->setBaudRate(Link::kBaudRate);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    // Read as well as write, so that a vanished device is noticed while the exchange waits.
    if (!m_port->open(QIODevice::ReadWrite))
        return false;
    emit openChanged(true);
    return true;
}

void SerialPortLine::close()
{
    if (!m_port->isOpen())
        return;
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
    static_cast<void>(m_port->setDataTerminalReady(on));
}

bool SerialPortLine::write(const QByteArray& bytes)
{
    return m_port->write(bytes) == bytes.size();
}

qint64 SerialPortLine::bytesQueued() const
{
    return m_port->bytesToWrite() + driverQueue();
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
