// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/telnetcodec.h"
#include "link/telnetoptions.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The sender's end of a device server in telnet mode with the COM port option ("rfc2217://"):
// agrees binary transfer both ways and no go-ahead, sets the server's serial port to the card's
// line and checks that the server acknowledges every setting as asked. Bytes in, bytes out; the
// network line carries them and holds the upload back until ready.
class ComPortClient {
public:
    enum class State { Negotiating, Ready, Refused };

    // A COM port option command and its value.
    struct Setting {
        std::uint8_t command = 0;
        QByteArray value;
    };
    // 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control.
    [[nodiscard]] static QList<Setting> cardLine();

    ComPortClient();

    // What the sender says first.
    [[nodiscard]] QByteArray start();

    struct Received {
        QByteArray data;  // from the serial port, undoubled
        QByteArray reply; // to send back at once
    };
    [[nodiscard]] Received receive(QByteArrayView bytes);

    [[nodiscard]] State state() const { return m_state; }
    // Why the server cannot be used, in the operator's words.
    [[nodiscard]] const QString& refusal() const { return m_refusal; }

private:
    [[nodiscard]] QByteArray handle(const Telnet::Event& event);
    void check(const Telnet::Subnegotiation& reply);
    void refuse(const QString& text);
    void updateState();

    Telnet::Decoder m_decoder;
    TelnetOptions m_options;
    QList<Setting> m_unacknowledged; // sent once the server takes the option
    bool m_settingsSent = false;
    State m_state = State::Negotiating;
    QString m_refusal;
};
