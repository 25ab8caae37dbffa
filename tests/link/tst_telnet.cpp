// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/comportserver.h"
#include "link/comportclient.h"
#include "support/bytes.h"
#include "texts/linktexts.h"

#include <QTest>

using namespace Telnet;

namespace {

// What ser2net 4 says when a client connects to a telnet(rfc2217) port.
const QByteArray kSer2netGreeting = bytes(
    {kIac, kWill, kSuppressGoAhead, kIac, kDo,   kSuppressGoAhead, kIac, kWill, kEcho,   kIac, kDont, kEcho,
     kIac, kDo,   kBinary,          kIac, kWill, kBinary,          kIac, kDo,   kComPort});

QByteArray ack(int command, const QByteArray& value)
{
    return subnegotiation(kComPort, bytes({command + kServerReply}) + value);
}

const QByteArray kBaud9600 = bytes({0, 0, 0x25, 0x80});
const QByteArray kAllAcknowledged =
    ack(kSetBaudRate, kBaud9600) + ack(kSetDataSize, bytes({8})) + ack(kSetParity, bytes({kNoParity})) +
    ack(kSetStopSize, bytes({kOneStopBit})) + ack(kSetControl, bytes({kNoFlowControl}));

} // namespace

// The telnet framing and the COM port option, bytes in and bytes out, as the network line and the
// virtual card's listener use them.
class TestTelnet : public QObject {
    Q_OBJECT

private slots:
    void decoding_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("events");
        QTest::newRow("plain data") << QByteArray("Hello32") << QByteArray("Hello32") << 0;
        QTest::newRow("doubled 0xFF is one data byte")
            << bytes({1, kIac, kIac, 2}) << bytes({1, kIac, 2}) << 0;
        QTest::newRow("a command between data")
            << bytes({'a', kIac, kWill, kBinary, 'b'}) << QByteArray("ab") << 1;
        QTest::newRow("go-ahead and no-operation carry nothing")
            << bytes({'a', kIac, 249, kIac, 241, 'b'}) << QByteArray("ab") << 0;
        QTest::newRow("a subnegotiation with a doubled 0xFF")
            << subnegotiation(kComPort, bytes({kSetBaudRate + kServerReply, 0, kIac, 0, 0})) + "x"
            << QByteArray("x") << 1;
    }
    void decoding()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QByteArray, data);
        QFETCH(int, events);
        // Whole, and one byte a read: a sequence cut between reads is finished by the next.
        Decoder whole;
        const Decoder::Result at = whole.decode(stream);
        QCOMPARE(at.data, data);
        QCOMPARE(at.events.size(), events);
        Decoder piecewise;
        Decoder::Result pieces;
        for (const char byte : stream) {
            Decoder::Result one = piecewise.decode(QByteArrayView(&byte, 1));
            pieces.data += one.data;
            pieces.events += one.events;
        }
        QCOMPARE(pieces.data, data);
        QCOMPARE(pieces.events, at.events);
        QCOMPARE(Decoder().decode(escaped(data)).data, data);
    }

    void subnegotiationPayloadIsUndoubled()
    {
        const QByteArray payload = bytes({kSetBaudRate, 0, kIac, 0, 1});
        const Decoder::Result result = Decoder().decode(subnegotiation(kComPort, payload));
        QCOMPARE(result.events.size(), 1);
        QCOMPARE(std::get<Subnegotiation>(result.events.first()), (Subnegotiation{kComPort, payload}));
    }

    // ser2net's own answers, as recorded: the client agrees, sets 9600 8N1 once the server takes
    // the option, and is ready when every setting is acknowledged as asked.
    void clientAgreesWithSer2net()
    {
        ComPortClient client;
        const QByteArray opening = client.start();
        QVERIFY(opening.contains(command({kWill, kComPort})));
        QVERIFY(opening.contains(command({kDo, kBinary})));
        const ComPortClient::Received first = client.receive(kSer2netGreeting);
        QVERIFY(first.reply.contains(command({kDont, kEcho})));
        for (const ComPortClient::Setting& setting : ComPortClient::cardLine())
            QVERIFY(first.reply.contains(subnegotiation(kComPort, bytes({setting.command}) + setting.value)));
        QCOMPARE(client.state(), ComPortClient::State::Negotiating);
        const QByteArray modemState = ack(7, bytes({0}));
        QCOMPARE(client.receive(modemState + kAllAcknowledged.chopped(6)).reply, QByteArray());
        QCOMPARE(client.state(), ComPortClient::State::Negotiating);
        const ComPortClient::Received last =
            client.receive(kAllAcknowledged.right(6) + bytes({'x', kIac, kIac}));
        QCOMPARE(client.state(), ComPortClient::State::Ready);
        QCOMPARE(last.data, bytes({'x', kIac}));
    }

    void refusalsAreToldInWords_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("told");
        QTest::newRow("no COM port option") << bytes({kIac, kDont, kComPort}) << LinkTexts::comPortRefused();
        QTest::newRow("no binary transfer") << bytes({kIac, kWont, kBinary}) << LinkTexts::binaryRefused();
        QTest::newRow("another baud rate")
            << bytes({kIac, kDo, kComPort}) + ack(kSetBaudRate, bytes({0, 0, 0x4b, 0}))
            << LinkTexts::settingRefused().arg(LinkTexts::baudRate(), "9600", "19200");
        QTest::newRow("flow control kept")
            << bytes({kIac, kDo, kComPort}) + ack(kSetControl, bytes({3}))
            << LinkTexts::settingRefused().arg(LinkTexts::flowControl(), "1", "3");
    }
    void refusalsAreToldInWords()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, told);
        ComPortClient client;
        static_cast<void>(client.start());
        static_cast<void>(client.receive(answer));
        QCOMPARE(client.state(), ComPortClient::State::Refused);
        QCOMPARE(client.refusal(), told);
    }

    // The virtual card's listener and the sender's line talk each other into a ready line, and
    // the display data's 0xFF bytes arrive as they were.
    void clientAndServerAgree()
    {
        ComPortClient client;
        ComPortServer server;
        QByteArray toServer = client.start();
        QByteArray toClient = server.start();
        for (int round = 0; round < 5 && (!toServer.isEmpty() || !toClient.isEmpty()); ++round) {
            const ComPortServer::Received atServer = server.receive(std::exchange(toServer, {}));
            QVERIFY(atServer.data.isEmpty());
            const ComPortClient::Received atClient = client.receive(std::exchange(toClient, {}));
            toServer = atClient.reply;
            toClient = atServer.reply;
        }
        QCOMPARE(client.state(), ComPortClient::State::Ready);
        const QByteArray header = bytes({0, 1, kIac, kIac, kIac, 0x11});
        QCOMPARE(server.receive(escaped(header)).data, header);
    }
};

QTEST_GUILESS_MAIN(TestTelnet)
#include "tst_telnet.moc"
