// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/portline.h"

#include "link/portnames.h"
#include "link/serialportline.h"
#include "link/tcpline.h"

PortLine::PortLine(QObject* parent)
    : SerialLine(parent)
    , m_serial(new SerialPortLine(this))
    , m_network(new TcpLine(this))
    , m_active(m_serial)
{
    forward(m_serial);
    forward(m_network);
}

void PortLine::forward(SerialLine* line)
{
    connect(line, &SerialLine::openChanged, this, &SerialLine::openChanged);
    connect(line, &SerialLine::ready, this, &SerialLine::ready);
    connect(line, &SerialLine::bytesSent, this, &SerialLine::bytesSent);
    connect(line, &SerialLine::failed, this, &SerialLine::failed);
}

void PortLine::setPortName(const QString& device)
{
    // The port is chosen only while no exchange holds the line open.
    m_active = PortNames::networkAddress(device) ? static_cast<SerialLine*>(m_network) : m_serial;
    m_active->setPortName(device);
}

bool PortLine::open()
{
    return m_active->open();
}

void PortLine::close()
{
    m_active->close();
}

bool PortLine::isOpen() const
{
    return m_active->isOpen();
}

bool PortLine::isReady() const
{
    return m_active->isReady();
}

void PortLine::setDtr(bool on)
{
    m_active->setDtr(on);
}

bool PortLine::write(const QByteArray& bytes)
{
    return m_active->write(bytes);
}

qint64 PortLine::bytesQueued() const
{
    return m_active->bytesQueued();
}

QString PortLine::errorString() const
{
    return m_active->errorString();
}

QString PortLine::failure() const
{
    return m_active->failure();
}
