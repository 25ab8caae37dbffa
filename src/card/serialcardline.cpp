// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/serialcardline.h"

#include "card/pacedreader.h"
#include "link/linkconstants.h"
#include "link/portnames.h"

#include <QSerialPort>

namespace {

// Left in the port's own buffer while the card reads at the line's pace, so that the rest stays in
// the system's queue and holds the sender back.
constexpr qint64 kPacedBufferBytes = 64;

} // namespace

SerialCardLine::SerialCardLine(const QString& device, bool fast, QObject* parent)
    : CardLine(parent)
    , m_device(device)
    , m_fast(fast)
    , m_port(new QSerialPort(device, this))
{
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError)
            emit failed(m_port->errorString());
    });
}

bool SerialCardLine::open()
{
    m_port->setBaudRate(Link::kBaudRate);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    m_pseudoTerminal = PortNames::isPseudoTerminal(m_device);
    // A real port brings the bytes at its baud rate by itself.
    const bool fast = m_fast || !m_pseudoTerminal;
    if (!fast)
        m_port->setReadBufferSize(kPacedBufferBytes);
    m_reader = new PacedReader(
        fast, [this](qsizetype most) { return PacedReader::take(*m_port, most); }, [](bool) {}, this);
    connect(m_port, &QSerialPort::readyRead, m_reader, &PacedReader::readAvailable);
    connect(m_reader, &PacedReader::received, this, &CardLine::received);
    return m_port->open(QIODevice::ReadOnly);
}

QString SerialCardLine::device() const
{
    return m_device;
}

QString SerialCardLine::errorString() const
{
    return m_port->errorString();
}
