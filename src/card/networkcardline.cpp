// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/networkcardline.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {

// Left in the socket's own buffer while the card reads at the line's pace.
constexpr qint64 kPacedBufferBytes = 64;

[[nodiscard]] QHostAddress hostAddress(const QString& host)
{
    if (host.isEmpty() || host == QLatin1String("localhost"))
        return QHostAddress::LocalHost;
    return QHostAddress(host);
}

} // namespace

NetworkCardLine::NetworkCardLine(const PortNames::NetworkAddress& address, bool fast, QObject* parent)
    : CardLine(parent)
    , m_address(address)
    , m_fast(fast)
    , m_server(new QTcpServer(this))
    , m_reader(new PacedReader(
          fast, [this](qsizetype most) { return read(most); }, [](bool) {}, this))
{
    connect(m_server, &QTcpServer::newConnection, this, &NetworkCardLine::accept);
    connect(m_reader, &PacedReader::received, this, &CardLine::received);
}

bool NetworkCardLine::open()
{
    return m_server->listen(hostAddress(m_address.host), m_address.port);
}

QString NetworkCardLine::device() const
{
    PortNames::NetworkAddress listening = m_address;
    listening.host = hostAddress(m_address.host).toString();
    if (m_server->isListening())
        listening.port = m_server->serverPort();
    return PortNames::addressText(listening);
}

QString NetworkCardLine::errorString() const
{
    return m_server->errorString();
}

void NetworkCardLine::accept()
{
    while (QTcpSocket* next = m_server->nextPendingConnection()) {
        if (m_sender) {
            next->abort();
            next->deleteLater();
            continue;
        }
        m_sender = next;
        m_sender->setParent(this);
        if (!m_fast)
            m_sender->setReadBufferSize(kPacedBufferBytes);
        connect(m_sender, &QTcpSocket::readyRead, m_reader, &PacedReader::readAvailable);
        connect(m_sender, &QTcpSocket::disconnected, this, &NetworkCardLine::endWhenRead);
        if (m_address.protocol == PortNames::NetworkAddress::Protocol::Rfc2217) {
            m_telnet.emplace();
            m_sender->write(m_telnet->start());
        }
    }
}

PacedReader::Taken NetworkCardLine::read(qsizetype most)
{
    if (!m_sender)
        return {};
    PacedReader::Taken taken = PacedReader::take(*m_sender, most);
    if (m_telnet) {
        ComPortServer::Received received = m_telnet->receive(taken.bytes);
        if (!received.reply.isEmpty())
            m_sender->write(received.reply);
        taken.bytes = std::move(received.data);
    }
    if (!taken.more && m_sender->state() == QAbstractSocket::UnconnectedState)
        QMetaObject::invokeMethod(this, &NetworkCardLine::endWhenRead, Qt::QueuedConnection);
    return taken;
}

// The sender is gone once its connection has closed and its last bytes have been read.
void NetworkCardLine::endWhenRead()
{
    if (!m_sender || m_sender->bytesAvailable() > 0 || m_sender->state() != QAbstractSocket::UnconnectedState)
        return;
    m_sender->deleteLater();
    m_sender = nullptr;
    m_telnet.reset();
    emit senderGone();
}
