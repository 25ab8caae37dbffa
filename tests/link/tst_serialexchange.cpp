// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardreader.h"
#include "link/portline.h"
#include "ptypair.h"
#include "support/controllerfixture.h"
#include "tcpcard.h"
#include "texts/linktexts.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr qsizetype kHelloSize = 7;
constexpr qsizetype kHeaderSize = 95;
constexpr int kRowBytes = 16;
constexpr int kRows16 = 16;
constexpr qsizetype kUploadSize = kHelloSize + kHeaderSize + kRows16 * kRowBytes;
constexpr int kBytesPerSecond = 960;
constexpr int kTimeoutMs = 15000;
// Scheduling on a loaded machine may delay a byte's arrival, never bring it forward.
constexpr qint64 kEarlyToleranceMs = 100;
constexpr qint64 kLateToleranceMs = 1500;

} // namespace

// The real line code over a pseudo-terminal and over a loopback network connection, with the card's
// side read by an independent reader that notes when each byte arrives.
class TestSerialExchange : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<PortLine> m_line;
    std::unique_ptr<ControllerFixture> m_fixture;
    std::unique_ptr<CardReader> m_card;

    // Message 0 holds 16 bytes a row; row r, column c holds 16r + c.
    static void smallProject(Project& project)
    {
        for (int row = 0; row < kRows16; ++row) {
            for (int col = 0; col < kRowBytes; ++col)
                project.dispData().set(col, row, 0, static_cast<std::uint8_t>(kRowBytes * row + col));
        }
        project.setMsgLen(0, kRowBytes);
        project.setGauge({}, 1);
    }
    void smallProject() { smallProject(m_fixture->controller.project()); }

    // The worked example's bytes, with three seconds after the greeting and 300 ms after the header.
    static void checkUpload(const CardReader& card)
    {
        const QByteArray& stream = card.received();
        QCOMPARE(stream.size(), kUploadSize);
        QCOMPARE(stream.left(kHelloSize), QByteArray("Hello32"));
        QCOMPARE(stream.mid(kHelloSize, 15).toHex(), QByteArray("000100000000101104091105ffffff"));
        QCOMPARE(stream.mid(kHelloSize + 31, 8).toHex(), QByteArray("0000001000100000"));
        for (int i = 0; i < kRows16 * kRowBytes; ++i)
            QCOMPARE(static_cast<std::uint8_t>(stream.at(kHelloSize + kHeaderSize + i)), i);
        const qint64 handshake = card.arrival(kHelloSize) - card.arrival(kHelloSize - 1);
        QVERIFY2(handshake >= 3000 - kEarlyToleranceMs && handshake < 3000 + kLateToleranceMs,
                 qPrintable(QString::number(handshake)));
        const qsizetype firstRow = kHelloSize + kHeaderSize;
        const qint64 settle = card.arrival(firstRow) - card.arrival(firstRow - 1);
        QVERIFY2(settle >= 300 - kEarlyToleranceMs && settle < 300 + kLateToleranceMs,
                 qPrintable(QString::number(settle)));
    }

private slots:
    void init()
    {
        SKIP_WITHOUT_SOCAT();
        m_pty = std::make_unique<PtyPair>();
        QVERIFY2(m_pty->start(), "socat did not make the pseudo-terminals");
        m_line = std::make_unique<PortLine>();
        m_fixture = std::make_unique<ControllerFixture>(*m_line);
        m_fixture->ports.devices = {{"COM1", m_pty->hostPath()}, {"COM2", m_pty->missingPath()}};
        m_fixture->controller.scanPorts();
        m_fixture->controller.typeText(GlobalList::Port, "COM1");
        m_card = std::make_unique<CardReader>();
        QVERIFY(m_card->open(m_pty->cardPath()));
    }

    void cleanup()
    {
        m_fixture.reset();
        m_line.reset();
        m_card.reset();
        m_pty.reset();
    }

    // The one test that waits the handshake's seconds for real: a pseudo-terminal and a network
    // line at once. The network's far end reads no faster than the card's 9600-baud line, and the
    // upload must not end before that line could have sent it all.
    void uploadStreamAndPacing()
    {
        smallProject();
        TcpCard network(kBytesPerSecond);
        QVERIFY(network.listen());
        PortLine otherLine;
        ControllerFixture otherFixture(otherLine);
        Controller& overNetwork = otherFixture.controller;
        smallProject(overNetwork.project());
        overNetwork.typeText(GlobalList::Port, network.address());

        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        QSignalSpy networkFinished(&overNetwork, &Controller::transferFinished);
        QElapsedTimer networkTime;
        networkTime.start();
        QVERIFY(overNetwork.send());
        QVERIFY(m_fixture->controller.send());
        QVERIFY(m_fixture->controller.transferInProgress());

        // A second transfer and a clock set while the first runs are refused; it carries on.
        QTRY_COMPARE_WITH_TIMEOUT(m_card->received().size(), kHelloSize, kTimeoutMs);
        QVERIFY(!m_fixture->controller.send());
        QVERIFY(!m_fixture->controller.sendClock());
        QCOMPARE(m_fixture->dialogs.told.size(), 2);
        QCOMPARE(m_fixture->dialogs.told.first().text, "現在転送中。");
        QCOMPARE(m_fixture->dialogs.told.last().title, "少待");

        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY(finished.first().first().toBool());
        QVERIFY(!m_line->isOpen());
        QTRY_COMPARE_WITH_TIMEOUT(m_card->received().size(), kUploadSize, kTimeoutMs);
        checkUpload(*m_card);
        QCOMPARE(m_fixture->dialogs.told.size(), 2);

        QVERIFY(!networkFinished.isEmpty() || networkFinished.wait(kTimeoutMs));
        const qint64 lineTimeMs = 3300 + kUploadSize * 1000 / kBytesPerSecond;
        QVERIFY2(networkTime.elapsed() >= lineTimeMs - kEarlyToleranceMs,
                 qPrintable(QString::number(networkTime.elapsed())));
        QVERIFY(networkFinished.first().first().toBool());
        QTRY_COMPARE_WITH_TIMEOUT(network.reader().received().size(), kUploadSize, kTimeoutMs);
        checkUpload(network.reader());
        QVERIFY(otherFixture.dialogs.told.isEmpty());
    }

    void clockSetStream()
    {
        m_fixture->clock.time = QTime(23, 59, 58);
        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        QVERIFY(m_fixture->controller.sendClock());
        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY(finished.first().first().toBool());
        QTRY_COMPARE_WITH_TIMEOUT(m_card->received().size(), 16, kTimeoutMs);
        QCOMPARE(m_card->received().toHex(), QByteArray("48656c6c6f4332") + "585923" + "03e707001380");
        const qint64 wait = m_card->arrival(7) - m_card->arrival(6);
        QVERIFY2(wait >= 200 - kEarlyToleranceMs, qPrintable(QString::number(wait)));
        const qint64 twoWaits = m_card->arrival(10) - m_card->arrival(9);
        QVERIFY2(twoWaits >= 400 - kEarlyToleranceMs, qPrintable(QString::number(twoWaits)));
        QVERIFY(m_fixture->dialogs.told.isEmpty());
    }

    void vanishingPortEndsTheUpload_data()
    {
        QTest::addColumn<bool>("network");
        QTest::newRow("adapter unplugged") << false;
        QTest::newRow("connection dropped") << true;
    }
    void vanishingPortEndsTheUpload()
    {
        QFETCH(bool, network);
        smallProject();
        TcpCard server;
        QVERIFY(server.listen());
        CardReader& card = network ? server.reader() : *m_card;
        if (network)
            m_fixture->controller.typeText(GlobalList::Port, server.address());
        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        QVERIFY(m_fixture->controller.send());
        QTRY_COMPARE_WITH_TIMEOUT(card.received().size(), kHelloSize, kTimeoutMs);
        if (network)
            card.hangUp();
        else
            m_pty->kill();
        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY(!finished.first().first().toBool());
        QVERIFY(!m_line->isOpen());
        QVERIFY(!m_fixture->controller.transferInProgress());
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, "エラー発生");
        QCOMPARE(m_fixture->dialogs.told.first().text, LinkTexts::lineFailed());
        QVERIFY(m_fixture->controller.transferStatus().startsWith("転送できませんでした：" +
                                                                  LinkTexts::lineFailed()));
    }

    void missingPortSendsNothing_data()
    {
        QTest::addColumn<bool>("network");
        QTest::newRow("no such device") << false;
        QTest::newRow("connection refused") << true;
    }
    void missingPortSendsNothing()
    {
        QFETCH(bool, network);
        smallProject();
        QString port = "COM2";
        if (network) {
            TcpCard closed; // a port nobody listens on any more
            QVERIFY(closed.listen());
            port = closed.address();
        }
        m_fixture->controller.typeText(GlobalList::Port, port);
        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        QVERIFY(m_fixture->controller.send());
        QVERIFY(!finished.isEmpty() || finished.wait(kTimeoutMs));
        QVERIFY(!finished.first().first().toBool());
        QVERIFY(!m_line->isOpen());
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, "警告");
        // A network connection that was refused says so, not that a port is in use.
        QCOMPARE(m_fixture->dialogs.told.first().text,
                 network ? LinkTexts::connectionRefused() : "接続端子がすでに使用中か、存在しません");
        QVERIFY2(m_fixture->dialogs.told.first().detail.startsWith(
                     network ? port : "COM2 (" + m_pty->missingPath() + ")\n"),
                 qPrintable(m_fixture->dialogs.told.first().detail));
        QTest::qWait(100);
        QVERIFY(m_card->received().isEmpty());
    }

    void portInUseSendsNothing()
    {
        smallProject();
        QSerialPort otherProgram;
        otherProgram.setPortName(m_pty->hostPath());
        QVERIFY(otherProgram.open(QIODevice::ReadWrite));
        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        QVERIFY(m_fixture->controller.send());
        QCOMPARE(finished.size(), 1);
        QVERIFY(!finished.first().first().toBool());
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, "警告");
        QCOMPARE(m_fixture->dialogs.told.first().text, "接続端子がすでに使用中か、存在しません");
        QVERIFY(otherProgram.isOpen());
        QTest::qWait(100);
        QVERIFY(m_card->received().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSerialExchange)
#include "tst_serialexchange.moc"
