// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/serialcardline.h"

#include "link/linkconstants.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>

namespace {

// Pseudo-terminals of Linux and macOS: they have no baud rate.
[[nodiscard]] bool isPseudoTerminal(const QString& device)
{
    static const QRegularExpression kPath(QStringLiteral("^/dev/(pts/[0-9]+|ttys[0-9]+)$"));
    return kPath.match(QFileInfo(device).canonicalFilePath()).hasMatch();
}

} // namespace

SerialCardLine::SerialCardLine(const QString& device, QObject* parent)
    : CardLine(parent)
    , m_device(device)
    , m_port(new QSerialPort(device, this))
{
    connect(m_port, &QSerialPort::readyRead, this, [this] { emit received(m_port->readAll()); });
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
    m_pseudoTerminal = isPseudoTerminal(m_device);
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
