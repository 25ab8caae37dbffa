// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardline.h"
#include "card/comportserver.h"
#include "card/pacedreader.h"
#include "link/portnames.h"

#include <optional>

class QTcpServer;
class QTcpSocket;

// The card listening on the network as a serial device server with the card behind it would:
// "tcp://" passes the bytes as they are and says nothing, "rfc2217://" speaks telnet with the COM
// port option. One sender at a time, as on a serial line; another is turned away while one is
// connected. When a sender leaves, what it sent has all been read before the card hears of it.
class NetworkCardLine : public CardLine {
    Q_OBJECT

public:
    NetworkCardLine(const PortNames::NetworkAddress& address, bool fast, QObject* parent = nullptr);

    [[nodiscard]] bool open() override;
    // The address a sender types, with the port the system chose when asked for port 0.
    [[nodiscard]] QString device() const override;
    [[nodiscard]] QString errorString() const override;
    [[nodiscard]] bool isPaced() const override { return false; }

private:
    void accept();
    [[nodiscard]] PacedReader::Taken read(qsizetype most);
    void endWhenRead();

    PortNames::NetworkAddress m_address;
    bool m_fast = false;
    QTcpServer* m_server = nullptr;
    QTcpSocket* m_sender = nullptr;
    std::optional<ComPortServer> m_telnet;
    PacedReader* m_reader = nullptr;
};
