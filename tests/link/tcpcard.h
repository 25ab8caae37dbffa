// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardreader.h"

#include <QTcpServer>

// A serial device server on the loopback interface, standing in for the card behind a network
// line: it takes one connection and reads it as the card's side of a serial line would.
class TcpCard : public QTcpServer {
    Q_OBJECT

public:
    // bytesPerSecond 0 reads as fast as bytes arrive.
    explicit TcpCard(int bytesPerSecond = 0, QObject* parent = nullptr);

    [[nodiscard]] bool listen();
    // "tcp://127.0.0.1:PORT", as an operator types it.
    [[nodiscard]] QString address() const;
    [[nodiscard]] CardReader& reader() { return m_reader; }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    CardReader m_reader;
};
