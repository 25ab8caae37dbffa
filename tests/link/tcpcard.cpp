// SPDX-License-Identifier: GPL-3.0-or-later
#include "tcpcard.h"

TcpCard::TcpCard(int bytesPerSecond, QObject* parent)
    : QTcpServer(parent)
    , m_reader(bytesPerSecond)
{
}

bool TcpCard::listen()
{
    return QTcpServer::listen(QHostAddress::LocalHost, 0);
}

QString TcpCard::address() const
{
    return QStringLiteral("tcp://127.0.0.1:%1").arg(serverPort());
}

void TcpCard::incomingConnection(qintptr descriptor)
{
    m_reader.adopt(static_cast<int>(descriptor));
}
