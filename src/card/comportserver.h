// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/telnetcodec.h"
#include "link/telnetoptions.h"

#include <QByteArray>

// The virtual card's end of a telnet connection with the COM port option, as a device server in
// front of a card speaks it: it offers binary transfer and no go-ahead, takes the COM port option
// and answers every setting with the card's own line, which nothing changes: 9600 baud, 8N1, no
// flow control. A sender that asked for other settings sees in the answer that they were not made.
// Bytes in, bytes out.
class ComPortServer {
public:
    ComPortServer();

    // What the server says when a sender connects.
    [[nodiscard]] QByteArray start();

    struct Received {
        QByteArray data;  // for the card, undoubled
        QByteArray reply; // to send back at once
    };
    [[nodiscard]] Received receive(QByteArrayView bytes);

private:
    [[nodiscard]] static QByteArray answer(const Telnet::Subnegotiation& request);

    Telnet::Decoder m_decoder;
    TelnetOptions m_options;
};
